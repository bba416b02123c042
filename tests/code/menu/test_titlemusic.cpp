// The title music against a recording sound engine: start piece, loop, fades.

#include "code/src/menu/titlemusic.h"
#include "talvoren/soundsystem/soundmanager.h"
#include "tests/support/fakesoundengine.h"
#include "tests/support/nulldevice.h"
#include "tests/support/soundfiles.h"

#include <gtest/gtest.h>

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

    testsupport::FakeSound& sound(std::size_t index) { return *m_engine->sounds.at(index); }
    std::string play(std::size_t index) const
    {
        const FakeSoundEngine::Play& p = m_engine->plays.at(index);
        return p.fileName + (p.looped ? " looped" : "") + (p.startPaused ? " paused" : "") + (p.track ? " tracked" : "");
    }

    testsupport::Journal m_journal;
    FakeSoundEngine* m_engine = nullptr; // held by the sound manager
    std::unique_ptr<Belgarune::TitleMusic> m_music;
};
} // namespace

TEST_F(TitleMusicTest, StartPieceThenLoopFadeInAndOut)
{
    m_music = std::make_unique<Belgarune::TitleMusic>();
    EXPECT_EQ(play(0), std::string(kStartPiece) + " paused tracked");
    m_music->enter(10000);
    EXPECT_FALSE(sound(0).paused);
    m_music->updateShown(10500);
    EXPECT_FLOAT_EQ(sound(0).volume, 0.25f);
    sound(0).volume = 0.5f;
    m_music->updateShown(12000);
    EXPECT_FLOAT_EQ(sound(0).volume, 0.5f) << "the fade-in is over";

    sound(0).stop();
    m_music->updateShown(13000);
    m_music->updateShown(13100);
    ASSERT_EQ(m_engine->plays.size(), 2u);
    EXPECT_EQ(play(1), std::string(kLoop) + " looped tracked");
    EXPECT_TRUE(m_engine->onlyEngineHolds(0)) << "the finished start piece was released";

    m_music->leave(20000);
    m_music->updateHidden(20500);
    EXPECT_FLOAT_EQ(sound(1).volume, 0.75f);
    EXPECT_FALSE(sound(1).paused);
    m_music->updateHidden(22000);
    EXPECT_TRUE(sound(1).paused);
    m_music->enter(30000);
    EXPECT_FALSE(sound(1).paused);
}

TEST_F(TitleMusicTest, MissingFilesAreTriedOnceAndPlayNothing)
{
    m_engine->unplayable = {kStartPiece, kLoop};
    m_music = std::make_unique<Belgarune::TitleMusic>();
    m_music->enter(10000);
    for (irr::u32 t = 10000; t < 10100; t += 16)
        m_music->updateShown(t);
    m_music->leave(10100);
    m_music->updateHidden(10200);
    m_music->updateHidden(13000);
    EXPECT_EQ(m_music->getSound(), nullptr);
    ASSERT_EQ(m_engine->plays.size(), 2u) << "the start piece once, the loop once";
    EXPECT_EQ(m_engine->plays[1].fileName, kLoop);

    m_device->getSoundManager()->m_engine.reset();
    m_music = std::make_unique<Belgarune::TitleMusic>();
    m_music->enter(20000);
    m_music->updateShown(20500);
    m_music->updateHidden(23000);
    EXPECT_EQ(m_music->getSound(), nullptr) << "without an engine nothing plays";
}
