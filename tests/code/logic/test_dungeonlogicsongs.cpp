// The dungeon logic on songs played: triggers, notices and the song effects.

#include "code/src/logic/dungeon/dungeongamelogic.h"
#include "tests/code/logic/dungeonlogictest.h"

#include <gtest/gtest.h>

using namespace Belgarune;
using irr::core::vector3df;
using Notices = std::vector<std::pair<std::wstring, irr::u32>>;

namespace
{
class DungeonLogicSongTest : public logictest::DungeonLogicTest
{
protected:
    void SetUp() override
    {
        DungeonLogicTest::SetUp();
        enterGame();
    }
    void learn(irr::u32 song) { g_gameBase->m_learnedSongs[song] = 1; }
    void play(irr::u32 song)
    {
        SongPlayedEvent event(song);
        event.m_position = vector3df(100.0f, 7.0f, 100.0f);
        send(event);
    }
    void songTrigger(irr::u32 id, irr::u32 song)
    {
        send(CreateScriptTriggerEvent(id, 1, L"heard.omx"));
        CreateTriggerConditionEvent condition;
        condition.m_triggerId = id;
        condition.m_condition = 1;
        condition.m_songId = song;
        send(condition);
    }
    //! The kept effect music, or null.
    testsupport::FakeSound* effectMusic() const
    {
        return static_cast<testsupport::FakeSound*>(m_logic->getSongEffect().getMusic());
    }
};

TEST_F(DungeonLogicSongTest, LearnedSongsAreAnnouncedTriggeredOrNot)
{
    // A song heard by a trigger starts no slow-down.
    const struct
    {
        irr::u32 song;
        bool withTrigger;
        Notices notices;
        irr::s32 effect;
    } cases[] = {
        {1, false, {{L"Played Prelude Of The Faceless King", 3000}}, SongEffect::kNone},
        {6, true, {{L"Played Mother's Requiem", 7000}}, SongEffect::kNone},
        {7, true, {{L"Played Goddess' Mercy", 4000}}, SongEffect::kNone},
        {7, false, {{L"Played Goddess' Mercy, but noone can hear you here.", 4000}}, SongEffect::kNone},
        {10, true, {{L"Played Minuet Of Growth", 4000}, {L"Played Minuet Of Growth", 4000}}, SongEffect::kGrowth},
        {8, false, {{L"Played Ode to Sol", 4000}}, SongEffect::kLight},
        {2, false, {}, SongEffect::kLight},
    };
    irr::u32 triggerId = 100;
    for (const auto& c : cases)
    {
        m_view->notices.clear();
        m_scripts.entries.clear();
        learn(c.song);
        if (c.withTrigger)
            songTrigger(++triggerId, c.song);
        play(c.song);
        EXPECT_EQ(m_view->notices, c.notices) << c.song;
        EXPECT_EQ(m_scripts.entries.size(), c.withTrigger ? 1u : 0u) << c.song;
        EXPECT_EQ(m_logic->getSongEffect().getEffect(), c.effect) << c.song;
    }
}

TEST_F(DungeonLogicSongTest, SongsNotLearnedOrBeyondTheTableSayNothing)
{
    songTrigger(1, 20);
    for (irr::u32 song : {1u, 6u, 8u, 14u, 15u, 20u})
        play(song);
    EXPECT_TRUE(m_view->notices.empty());
    EXPECT_EQ(m_logic->getSongEffect().getEffect(), SongEffect::kNone);
    EXPECT_EQ(m_scripts.entries.size(), 1u);
}

TEST_F(DungeonLogicSongTest, TheUnknownSongTellsItsStoryOnePieceAtATime)
{
    learn(14);
    for (int k = 0; k < 12; ++k)
        play(14);
    ASSERT_EQ(m_view->notices.size(), 12u);
    const std::pair<std::size_t, std::wstring> expected[] = {
        {0, L"Played unknown song. Your soul is resonating ..."},
        {1, L"Played unknown song. The past is catching up to you ..."},
        {2, L"Played unknown song. You begin to remember your sister's melody ..."},
        {3, L"Played unknown song. Pain is slowly fading away ..."},
        {4, L"Played unknown song. There are no more words left."},
        {9, L"Played unknown song. There are no more words left."},
        {11, L"Played unknown song. There are no more words left."},
    };
    for (const auto& [index, text] : expected)
        EXPECT_EQ(m_view->notices[index].first, text) << index;
    EXPECT_NE(m_view->notices[10].first, m_view->notices[11].first);
}

TEST_F(DungeonLogicSongTest, RequiemWithoutTriggerSlowsTimeUntilItsEnd)
{
    learn(6);
    play(6);
    EXPECT_EQ(m_logic->getSongEffect().getEffect(), SongEffect::kSlowDown);
    ASSERT_NE(effectMusic(), nullptr);
    EXPECT_TRUE(played("gamedata/music/zeitbubble1.ogg"));
    EXPECT_FALSE(g_gameBase->m_toneKeysEnabled);
    EXPECT_EQ(m_view->lineStyles, std::vector<bool>{false});

    frame(9000);
    EXPECT_TRUE(g_gameBase->m_slowDown);
    EXPECT_FLOAT_EQ(m_view->bubble.back(), 0.5f);
    frame(9000);
    EXPECT_EQ(m_logic->getSongEffect().getEffect(), SongEffect::kNone);
    EXPECT_EQ(effectMusic(), nullptr);
    EXPECT_TRUE(g_gameBase->m_toneKeysEnabled);
    EXPECT_EQ(m_view->lineStyles, (std::vector<bool>{false, true}));
    frame(16);
    EXPECT_FALSE(g_gameBase->m_slowDown);
}

TEST_F(DungeonLogicSongTest, OdeToSolLiftsTheDarknessAndBringsLight)
{
    learn(8);
    m_view->darkness = 0.8f;
    play(8);
    EXPECT_EQ(m_view->darkness, 0.0f);
    EXPECT_TRUE(played("gamedata/music/licht2.ogg"));
    frame(1000);
    EXPECT_FLOAT_EQ(m_view->lightShift, 0.9f);
    frame(7000);
    EXPECT_EQ(m_logic->getSongEffect().getEffect(), SongEffect::kNone);
    frame(1000);
    EXPECT_FLOAT_EQ(m_view->lightShift, 0.7f);
}

TEST_F(DungeonLogicSongTest, ANewEffectLetsGoOfTheOldMusicAndTheMenuPausesIt)
{
    learn(8);
    learn(6);
    play(8);
    testsupport::FakeSound* first = effectMusic();
    ASSERT_NE(first, nullptr);
    play(6);
    EXPECT_NE(effectMusic(), first);
    EXPECT_TRUE(m_sounds->onlyEngineHolds(m_sounds->sounds.size() - 2));
    EXPECT_FALSE(first->stopped);

    send(SetSystemStateEvent(SystemState::Menue));
    EXPECT_TRUE(effectMusic()->paused);
    enterGame();
    EXPECT_FALSE(effectMusic()->paused);
}

TEST_F(DungeonLogicSongTest, MinuetFiresItsEffectForEachTrigger)
{
    songTrigger(4, 10);
    play(10); // not learned: only the trigger's notice
    EXPECT_EQ(m_view->notices, (Notices{{L"Played Minuet Of Growth", 4000}}));
    EXPECT_EQ(m_logic->getSongEffect().getEffect(), SongEffect::kGrowth);
    EXPECT_TRUE(played("gamedata/music/wachstum.ogg"));
    frame(9999);
    EXPECT_EQ(m_logic->getSongEffect().getEffect(), SongEffect::kGrowth);
    frame(1);
    EXPECT_EQ(m_logic->getSongEffect().getEffect(), SongEffect::kNone);
}
} // namespace
