// The title music against a recording sound engine: start piece, loop, fades.

#include "code/src/menu/titlemusic.h"
#include "talvoren/soundsystem/soundmanager.h"
#include "tests/support/fakesoundengine.h"
#include "tests/support/nulldevice.h"
#include "tests/support/soundfiles.h"

#include <gtest/gtest.h>

using Belgarune::TitleMusic;
using testsupport::FakeSound;
using testsupport::FakeSoundEngine;

namespace
{
const testsupport::OpenAlTestConfig g_openAl("null");
const char* const kStartPiece = "gamedata/music/title_start.ogg";
const char* const kLoop = "gamedata/music/title_loop.ogg";

class TitleMusicTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        m_engine = new FakeSoundEngine(m_journal);
        m_device->getSoundManager()->m_engine = testsupport::SoundRef<testsupport::ISoundEngine>(m_engine);
    }
    void TearDown() override
    {
        m_music.reset();
        NullDeviceTest::TearDown();
    }

    FakeSound& sound(std::size_t index) { return *m_engine->sounds.at(index); }

    testsupport::Journal m_journal;
    FakeSoundEngine* m_engine = nullptr; // held by the sound manager
    std::unique_ptr<TitleMusic> m_music;
};
} // namespace

TEST_F(TitleMusicTest, StartPieceWaitsPausedAndFadesInOnEnter)
{
    m_music = std::make_unique<TitleMusic>();
    ASSERT_EQ(m_engine->plays.size(), 1u);
    const FakeSoundEngine::Play& start = m_engine->plays[0];
    EXPECT_EQ(start.fileName, kStartPiece);
    EXPECT_FALSE(start.looped);
    EXPECT_TRUE(start.startPaused);
    EXPECT_TRUE(start.track);

    m_music->enter(10000);
    EXPECT_FALSE(sound(0).paused);
    m_music->updateShown(10500);
    EXPECT_FLOAT_EQ(sound(0).volume, 0.25f);
    m_music->updateShown(11999);
    EXPECT_NEAR(sound(0).volume, 0.9995f, 1e-6f);
    sound(0).volume = 0.5f;
    m_music->updateShown(12000);
    EXPECT_FLOAT_EQ(sound(0).volume, 0.5f) << "the fade-in is over";
    EXPECT_EQ(m_engine->plays.size(), 1u);
}

TEST_F(TitleMusicTest, LoopReplacesTheFinishedStartPieceOnce)
{
    m_music = std::make_unique<TitleMusic>();
    m_music->enter(10000);
    sound(0).stop();
    m_music->updateShown(13000);
    ASSERT_EQ(m_engine->plays.size(), 2u);
    const FakeSoundEngine::Play& loop = m_engine->plays[1];
    EXPECT_EQ(loop.fileName, kLoop);
    EXPECT_TRUE(loop.looped);
    EXPECT_FALSE(loop.startPaused);
    EXPECT_TRUE(loop.track);
    EXPECT_TRUE(m_engine->onlyEngineHolds(0)) << "the finished start piece was released";
    EXPECT_EQ(m_music->getSound(), &sound(1));
    m_music->updateShown(13100);
    EXPECT_EQ(m_engine->plays.size(), 2u);
}

TEST_F(TitleMusicTest, MissingFilesAreTriedOnceAndPlayNothing)
{
    m_engine->unplayable = {kStartPiece, kLoop};
    m_music = std::make_unique<TitleMusic>();
    m_music->enter(10000);
    for (irr::u32 t = 10000; t < 10100; t += 16)
        m_music->updateShown(t);
    m_music->leave(10100);
    m_music->updateHidden(10200);
    m_music->updateHidden(13000);
    EXPECT_EQ(m_music->getSound(), nullptr);
    ASSERT_EQ(m_engine->plays.size(), 2u) << "the start piece once, the loop once";
    EXPECT_EQ(m_engine->plays[1].fileName, kLoop);
}

TEST_F(TitleMusicTest, WithoutAnEngineNothingPlays)
{
    m_device->getSoundManager()->m_engine.reset();
    m_music = std::make_unique<TitleMusic>();
    m_music->enter(10000);
    m_music->updateShown(10500);
    m_music->leave(11000);
    m_music->updateHidden(11500);
    m_music->updateHidden(14000);
    EXPECT_EQ(m_music->getSound(), nullptr);
    EXPECT_EQ(m_journal, (testsupport::Journal{"engine released"}));
}

TEST_F(TitleMusicTest, LeavingFadesOutThenPauses)
{
    m_music = std::make_unique<TitleMusic>();
    m_music->enter(10000);
    m_music->updateShown(13000);
    m_music->leave(20000);
    m_music->updateHidden(20500);
    EXPECT_FLOAT_EQ(sound(0).volume, 0.75f);
    EXPECT_FALSE(sound(0).paused);
    m_music->updateHidden(22000);
    EXPECT_TRUE(sound(0).paused);
    m_music->enter(30000);
    EXPECT_FALSE(sound(0).paused);
    m_music->updateShown(31000);
    EXPECT_FLOAT_EQ(sound(0).volume, 0.5f);
}
