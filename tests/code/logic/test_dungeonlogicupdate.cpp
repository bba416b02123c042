// The dungeon logic's frame rules: darkness, death and respawn, the threat, area checks.

#include "code/src/logic/dungeon/dungeongamelogic.h"
#include "code/src/menu/titlemusic.h"
#include "tests/code/logic/dungeonlogictest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using namespace Belgarune;
using irr::core::vector2d;
using irr::core::vector3df;

namespace
{
const std::wstring kSequenceLine = L"setGameState( \"SEQUENCE\");";

class DungeonLogicUpdateTest : public logictest::DungeonLogicTest
{
protected:
    void SetUp() override
    {
        DungeonLogicTest::SetUp();
        enterGame();
    }
    bool scriptStarted(const std::wstring& line) const
    {
        return std::find(m_scripts.entries.begin(), m_scripts.entries.end(), line) != m_scripts.entries.end();
    }
    void floorAt(irr::s32 x, irr::s32 z, FloorCode code) { g_gameBase->m_world->setCell(MapCoord(x, 0, z), code); }
    void addRespawnPoint(irr::s32 x, irr::s32 z, irr::u32 radius)
    {
        send(AddRespawnPointEvent(vector2d<irr::s32>(x, z), radius));
    }
};

TEST_F(DungeonLogicUpdateTest, DarknessFollowsTheFloorOfThePlayersCell)
{
    // The cell is the position over 10, cut: (305, 305) stands on (30, 30).
    placePlayer(vector3df(305.0f, 7.0f, 305.0f));
    floorAt(31, 31, FloorCode::Dark);
    const struct
    {
        FloorCode floor;
        bool toneJustPlayed;
        irr::f32 after;
    } cases[] = {{FloorCode::Gloomy, false, 0.58f},
                 {FloorCode::Gloomy, true, 0.46f},
                 {FloorCode::Dark, false, 0.63f},
                 {FloorCode::Plain, false, 0.34f}};
    for (const auto& c : cases)
    {
        floorAt(30, 30, c.floor);
        g_gameBase->m_lastToneTime = c.toneJustPlayed ? now() : now() - 3000;
        m_view->darkness = 0.5f;
        frames(10, 100);
        EXPECT_NEAR(m_view->darkness, c.after, 1e-5f) << static_cast<int>(c.floor) << c.toneJustPlayed;
    }
}

TEST_F(DungeonLogicUpdateTest, FullDarknessKillsAfterAbout7692MsOnADarkFloor)
{
    placePlayer(vector3df(305.0f, 7.0f, 305.0f));
    floorAt(30, 30, FloorCode::Dark);
    frames(480, 16);
    EXPECT_FALSE(m_logic->isDying());
    EXPECT_TRUE(m_scripts.entries.empty());
    frame(16);
    EXPECT_TRUE(m_logic->isDying());
    EXPECT_EQ(m_view->darkness, 0.0f);
    EXPECT_EQ(m_scripts.entries, std::vector<std::wstring>{kSequenceLine});
    EXPECT_TRUE(played("gamedata/music/sinister-child-laughing-2.wav"));
}

TEST_F(DungeonLogicUpdateTest, DeathSequenceFadesTakesAHeartAndRespawns)
{
    irr::scene::ICameraSceneNode* camera = m_device->getSceneManager()->addCameraSceneNode();
    g_gameBase->m_camera = camera;
    addRespawnPoint(12, 20, 30);
    placePlayer(vector3df(500.0f, 7.0f, 500.0f));
    g_gameBase->m_playerLookAt = vector3df(0.0f, 0.0f, 1.0f);
    g_gameBase->m_hp = 2;
    send(DieEvent(0));
    EXPECT_TRUE(played("gamedata/music/breaking_wood.wav"));
    EXPECT_EQ(m_scripts.entries, (std::vector<std::wstring>{kSequenceLine, L"file gamedata/scripts/reset.omx"}));

    frame(800); // a fifth of the way: the overlay at 0.75
    EXPECT_FLOAT_EQ(m_view->overlayAlpha, 0.75f);
    EXPECT_EQ(g_gameBase->m_blackScreen, 1.0f);
    EXPECT_TRUE(camera->getPosition().equals(vector3df(500.0f, 0.475f, 500.0f), 1e-4f));
    EXPECT_TRUE(camera->getTarget().equals(vector3df(500.0f, 0.225f, 500.75f), 1e-4f));

    frame(1200);
    send(DieEvent(0)); // dying again starts the timing over
    frames(3, 1000);
    EXPECT_TRUE(m_logic->isDying());
    frame(1000);
    EXPECT_FALSE(m_logic->isDying());
    EXPECT_EQ(m_view->overlayAlpha, 0.0f);
    EXPECT_EQ(m_view->hearts, std::vector<int>{-1});
    EXPECT_EQ(g_gameBase->m_hp, 1);
    EXPECT_EQ(std::vector<std::wstring>(m_scripts.entries.end() - 2, m_scripts.entries.end()),
              (std::vector<std::wstring>{L"setScreen( \"BLACK\", 0.0, 1000, \"LINEAR\" );",
                                         L"setGameState( \"GAMEPLAY\");"}));
    EXPECT_EQ(player().getPosition(), vector3df(120.0f, 0.0f, 200.0f));
    EXPECT_FALSE(m_device->isQuitRequested());
}

TEST_F(DungeonLogicUpdateTest, DeathWithTheLastHeartQuitsAndWithoutRespawnPointStaysInPlace)
{
    placePlayer(vector3df(500.0f, 7.0f, 500.0f));
    g_gameBase->m_hp = 1;
    send(DieEvent(1));
    frames(4, 1000);
    EXPECT_FALSE(m_logic->isDying());
    EXPECT_EQ(g_gameBase->m_hp, 0);
    EXPECT_TRUE(m_device->isQuitRequested());
    EXPECT_EQ(player().getPosition(), vector3df(500.0f, 7.0f, 500.0f));
}

TEST_F(DungeonLogicUpdateTest, RespawnPointsAreCheckedInWorldUnitsTheLastHoldingOneWins)
{
    addRespawnPoint(10, 20, 50);
    addRespawnPoint(12, 20, 50);
    addRespawnPoint(90, 90, 50);
    EXPECT_EQ(m_logic->getRespawnPoints().getCurrent()->cell.x, 10);
    placePlayer(vector3df(110.0f, 7.0f, 200.0f));
    frame(1501);
    EXPECT_EQ(m_logic->getRespawnPoints().getCurrent()->cell.x, 12);
    placePlayer(vector3df(905.0f, 7.0f, 905.0f));
    frame(1501);
    EXPECT_EQ(m_logic->getRespawnPoints().getCurrent()->cell.x, 90);
    placePlayer(vector3df(3000.0f, 7.0f, 3000.0f));
    frame(1501);
    EXPECT_EQ(m_logic->getRespawnPoints().getCurrent()->cell.x, 90);
}

TEST_F(DungeonLogicUpdateTest, AreaTriggersAreCheckedEvery1500Ms)
{
    send(CreateScriptTriggerEvent(1, 10, L"a.omx"));
    CreateTriggerConditionEvent area;
    area.m_triggerId = 1;
    area.m_centre = vector3df(100.0f, 0.0f, 100.0f);
    area.m_radius = 20;
    send(area);
    placePlayer(vector3df(105.0f, 7.0f, 100.0f));
    const std::pair<irr::u32, std::size_t> checks[] = {{15, 0}, {1, 1}, {15, 1}, {1, 2}};
    for (const auto& [count, fired] : checks)
    {
        frames(count, 100);
        EXPECT_EQ(m_scripts.entries.size(), fired) << now();
    }
}

TEST_F(DungeonLogicUpdateTest, TheThreatDropsOnANearPlayerAndKillsHim)
{
    irr::scene::ISceneNode* threat = m_device->getSceneManager()->addEmptySceneNode();
    threat->setPosition(vector3df(2600.0f, 16.0f, 2400.0f));
    m_view->objects[DungeonGameLogic::kThreatObjectId] = threat;
    placePlayer(vector3df(2620.0f, 7.0f, 2400.0f));
    frame(16);
    EXPECT_EQ(m_scripts.entries, std::vector<std::wstring>{L"file gamedata/scripts/kill1.omx"});
    EXPECT_EQ(threat->getPosition().Y, 16.0f);
    frame(200);
    EXPECT_FLOAT_EQ(threat->getPosition().Y, 9.6f);
    EXPECT_EQ(threat->getPosition().X, 2600.0f);
    EXPECT_FALSE(m_logic->isDying());
    frame(100);
    EXPECT_TRUE(m_logic->isDying());
    EXPECT_EQ(threat->getPosition().Y, 16.0f);
}

TEST_F(DungeonLogicUpdateTest, TheThreatKeepsItsTimingWithoutItsObject)
{
    placePlayer(vector3df(2620.0f, 7.0f, 2400.0f));
    frames(2, 16);
    frame(300);
    EXPECT_TRUE(m_logic->isDying());
}

TEST_F(DungeonLogicUpdateTest, MothersRequiemLetsThePlayerPassTheThreat)
{
    g_gameBase->m_learnedSongs[6] = 1;
    SongPlayedEvent song(6);
    send(song);
    placePlayer(vector3df(2620.0f, 7.0f, 2400.0f));
    frames(60, 16);
    EXPECT_FALSE(m_logic->isDying());
    EXPECT_TRUE(m_logic->getThreat().isApproaching());
}

//! Ambience sounds by number, and the game times they started at.
struct AmbienceLog
{
    std::vector<irr::s32> times;
    std::set<int> numbers;
};

TEST_F(DungeonLogicUpdateTest, AmbienceSoundsAtMostEvery20SecondsAndNeverNumberFive)
{
    std::srand(7);
    AmbienceLog log;
    const std::string prefix = "gamedata/music/ambience";
    for (int k = 0; k < 4000; ++k)
    {
        const std::size_t before = m_sounds->plays.size();
        frame(500);
        for (std::size_t p = before; p < m_sounds->plays.size(); ++p)
        {
            const std::string& file = m_sounds->plays[p].fileName;
            if (file.compare(0, prefix.size(), prefix) != 0)
                continue;
            log.times.push_back(now());
            log.numbers.insert(std::atoi(file.c_str() + prefix.size()));
        }
    }
    EXPECT_EQ(log.numbers, (std::set<int>{1, 2, 3, 4, 6, 7, 8, 9}));
    ASSERT_GT(log.times.size(), 60u);
    EXPECT_GT(log.times.front(), 40000);
    for (std::size_t k = 1; k < log.times.size(); ++k)
        EXPECT_GT(log.times[k] - log.times[k - 1], 20000) << k;

    // With the clock standing still it never sounds again.
    const std::size_t plays = m_sounds->plays.size();
    frames(200, 0);
    EXPECT_EQ(m_sounds->plays.size(), plays);
}

TEST_F(DungeonLogicUpdateTest, TheTitleMusicFadesOutAndPausesAfterTheMenu)
{
    send(SetSystemStateEvent(SystemState::Menue));
    send(SetSystemStateEvent(SystemState::Game));
    testsupport::FakeSound* title = nullptr;
    for (const auto& sound : m_sounds->sounds)
        if (sound->file == "gamedata/music/title_start.ogg")
            title = sound.get();
    ASSERT_NE(title, nullptr);
    ASSERT_FALSE(title->paused);
    const irr::u32 left = m_device->getTimeMs();
    setTime(left + TitleMusic::kFadeMs / 2);
    frame(16);
    EXPECT_NEAR(title->volume, 0.5f, 0.01f);
    EXPECT_FALSE(title->paused);
    setTime(left + TitleMusic::kFadeMs + 1);
    frame(16);
    EXPECT_TRUE(title->paused);
}

TEST_F(DungeonLogicUpdateTest, ActorsMoveInTheGameAndBehindTheMenuButNotInTheSplash)
{
    const std::pair<SystemState, bool> cases[] = {
        {SystemState::Game, true}, {SystemState::Menue, true}, {SystemState::Start, false}};
    for (const auto& [state, moved] : cases)
    {
        send(SetSystemStateEvent(state));
        m_view->poses.clear();
        frame(16);
        EXPECT_EQ(!m_view->poses.empty(), moved) << static_cast<int>(state);
    }
}

TEST_F(DungeonLogicUpdateTest, TheThreatRestsWhileThePlayerDies)
{
    send(DieEvent(0));
    placePlayer(vector3df(2620.0f, 7.0f, 2400.0f));
    frames(10, 16);
    EXPECT_FALSE(m_logic->getThreat().isApproaching());
    EXPECT_FALSE(scriptStarted(L"file gamedata/scripts/kill1.omx"));
}
} // namespace
