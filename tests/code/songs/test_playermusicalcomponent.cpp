#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/songs/playermusicalcomponent.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/inputcomponent.h"
#include "code/src/world/visualcomponent.h"
#include "tests/code/logic/eventrecorder.h"
#include "tests/code/logic/manualclock.h"
#include "tests/code/logic/songfiles.h"
#include "tests/support/fakesoundengine.h"
#include "tests/support/recordingview.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Belgarune;
using irr::core::vector3df;
using testsupport::FakeSound;

namespace
{
class MusicalComponentTest : public ::testing::Test
{
protected:
    MusicalComponentTest()
        : m_engine(new testsupport::FakeSoundEngine),
          m_actor(0, nullptr, std::make_unique<StandardPhysicsComponent>(7), nullptr, nullptr)
    {
        logictest::loadSongBook(logictest::kSongs);
        m_actor.setPlayer(true);
        m_actor.setPosition(vector3df(30.0f, 7.0f, 40.0f));
    }

    std::unique_ptr<PlayerMusicalComponent> make(int soundSet = 1, irr::f32 volume = 0.8f)
    {
        return std::make_unique<PlayerMusicalComponent>(soundSet, volume, m_engine.get(), m_clock);
    }
    FakeSound& sound(int tone) { return *m_engine->sounds.at(static_cast<std::size_t>(tone)); }

    //! Presses and releases the tones one after another in one frame each.
    void playTones(PlayerMusicalComponent& component, std::initializer_list<int> tones)
    {
        for (const int tone : tones)
        {
            component.setTone(tone, true);
            component.update(&m_actor, &m_view);
            component.setTone(tone, false);
            component.update(&m_actor, &m_view);
        }
    }

    testsupport::TempWorkDir m_dir;
    logictest::ManualClock m_clock;
    platform::sound::SoundRef<testsupport::FakeSoundEngine> m_engine;
    testsupport::RecordingView m_view;
    GameActor m_actor;
};
} // namespace

TEST_F(MusicalComponentTest, StartsFiveLoopedPausedSilentSoundsOfItsSet)
{
    const auto component = make(3);
    ASSERT_EQ(m_engine->sounds.size(), 5u);
    EXPECT_EQ(sound(0).file, "sounds/D_mask2.wav");
    EXPECT_EQ(sound(4).file, "sounds/D1_mask2.wav");
    for (int tone = 0; tone < 5; ++tone)
    {
        EXPECT_TRUE(sound(tone).is3D && sound(tone).looped && sound(tone).paused) << tone;
        EXPECT_EQ(sound(tone).volume, 0.0f) << tone;
        EXPECT_EQ(sound(tone).minDistance, 20.0f) << tone;
    }
}

TEST_F(MusicalComponentTest, PressSoundsAndReleaseFadesLinearlyOverHalfASecondUnlessPressedAgain)
{
    const auto component = make();
    m_clock.timer = 1000;
    component->setTone(1, true);
    EXPECT_FALSE(sound(1).paused);
    EXPECT_EQ(sound(1).volume, 0.8f);
    EXPECT_EQ(sound(1).rewinds, 1);

    component->setTone(1, false);
    const std::pair<irr::u32, irr::f32> fade[] = {{1000, 0.8f}, {1250, 0.4f}, {1500, 0.0f}, {1600, 0.0f}};
    for (const auto& [timer, volume] : fade)
    {
        m_clock.timer = timer;
        component->update(&m_actor, &m_view);
        EXPECT_FLOAT_EQ(sound(1).volume, volume) << timer;
    }
    EXPECT_FALSE(sound(1).paused); // keeps looping silently

    component->setTone(1, true); // again during a fade: from the start at full volume, fade stopped
    component->setTone(1, false);
    m_clock.timer = 1850;
    component->update(&m_actor, &m_view);
    component->setTone(1, true);
    m_clock.timer = 2000;
    component->update(&m_actor, &m_view);
    EXPECT_EQ(sound(1).volume, 0.8f);
    EXPECT_EQ(sound(1).rewinds, 3);
}

TEST_F(MusicalComponentTest, SoundsFollowTheActorWhilePressedOrFading)
{
    const auto component = make();
    component->setTone(0, true);
    component->setTone(3, true);
    component->setTone(3, false);
    component->update(&m_actor, &m_view);
    for (const int tone : {0, 3})
        EXPECT_EQ(sound(tone).position.x, 30.0f) << tone;
    EXPECT_EQ(sound(4).position.x, 0.0f);

    m_clock.timer = 600; // the fade of tone 3 ends here
    component->update(&m_actor, &m_view);
    m_actor.setPosition(vector3df(50.0f, 7.0f, 40.0f));
    component->update(&m_actor, &m_view);
    EXPECT_EQ(sound(0).position.x, 50.0f);
    EXPECT_EQ(sound(3).position.x, 30.0f);
}

TEST_F(MusicalComponentTest, ReportsOnlyThePlayersTonesOnceAndGlowsEveryFrame)
{
    const auto component = make();
    m_clock.game = 1234.7;
    for (int frame = 0; frame < 3; ++frame) // held for three frames: one press
    {
        component->setTone(0, true);
        component->setTone(2, true);
        component->update(&m_actor, &m_view);
    }
    EXPECT_EQ(m_view.playedTones, (std::vector<irr::u32>{0, 2}));
    EXPECT_EQ(g_gameBase->m_lastToneTime, 1234);
    ASSERT_EQ(m_view.glows.size(), 15u);
    for (irr::u32 tone = 0; tone < 5; ++tone)
        EXPECT_EQ(m_view.glows[10 + tone], std::make_pair(tone, tone == 0 || tone == 2));

    m_view = testsupport::RecordingView();
    m_actor.setPlayer(false); // an enemy's tones are not shown
    component->setTone(1, true);
    component->update(&m_actor, &m_view);
    EXPECT_TRUE(m_view.playedTones.empty() && m_view.glows.empty());
}

TEST_F(MusicalComponentTest, TriggersOneSongPlayedEventPerSongAtTheActorsPosition)
{
    logictest::EventRecorder events;
    const auto component = make();
    playTones(*component, {2, 4, 0, 3, 3});
    m_actor.setPlayer(false); // enemies announce their songs too
    m_actor.setPosition(vector3df(1.0f, 5.0f, 2.0f));
    playTones(*component, {4, 3, 0});
    ASSERT_EQ(events.songs().size(), 2u);
    EXPECT_EQ(events.songs()[0], std::make_pair(3u, vector3df(30.0f, 7.0f, 40.0f)));
    EXPECT_EQ(events.songs()[1], std::make_pair(6u, vector3df(1.0f, 5.0f, 2.0f)));
}

TEST_F(MusicalComponentTest, TonesOutsideZeroToFourAreIgnored)
{
    const auto component = make();
    for (const int tone : {-1, 5, 6, 1000})
        component->setTone(tone, true);
    component->update(&m_actor, &m_view);
    EXPECT_TRUE(m_view.playedTones.empty());
}

TEST_F(MusicalComponentTest, WithoutSoundsEverythingButTheSoundWorks)
{
    logictest::EventRecorder events;
    m_engine->unplayable = {"sounds/A.wav"};
    const auto partly = make();
    EXPECT_EQ(m_engine->sounds.size(), 4u);
    PlayerMusicalComponent silent(1, 1.0f, nullptr, m_clock);
    PlayerMusicalComponent withoutDevice(1, 1.0f); // no device: no engine, no clocks
    for (PlayerMusicalComponent* component : {partly.get(), &silent, &withoutDevice})
    {
        m_view = testsupport::RecordingView();
        playTones(*component, {2, 4, 0});
        EXPECT_EQ(m_view.playedTones, (std::vector<irr::u32>{2, 4, 0}));
    }
    EXPECT_EQ(events.songs().size(), 3u);
}
