#include "code/src/enemies/enemyinputcomponent.h"
#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/musicalcomponent.h"
#include "code/src/world/nodegraph.h"
#include "code/src/world/visualcomponent.h"
#include "tests/code/logic/eventrecorder.h"
#include "tests/code/logic/manualclock.h"
#include "tests/code/logic/songfiles.h"
#include "tests/support/fakesoundengine.h"
#include "tests/support/quietnulldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace Belgarune;
using irr::core::vector3df;

namespace
{
class ToneRecorder : public MusicalComponent
{
public:
    void update(GameActor*, IDungeonView*) override {}
    void setTone(int tone, bool pressed) override { tones.at(static_cast<std::size_t>(tone)) = pressed; }

    std::array<bool, 5> tones{};
};

//! Four nodes 20 units apart around a square from (200, 0, 200) to (220, 0, 220).
const char* const kSquarePoints = "[points]\n1,20,480\n2,22,480\n3,22,478\n4,20,478\n[connections]\n";
const vector3df kStart(200.0f, 5.0f, 200.0f);

class EnemyTest : public testsupport::QuietNullDeviceTest
{
protected:
    void SetUp() override
    {
        QuietNullDeviceTest::SetUp();
        resetWorld();
    }
    void TearDown() override
    {
        resetWorld();
        QuietNullDeviceTest::TearDown();
    }

    //! An open room from (45, 45) to (605, 605), no enemies, no camera, the
    //! test songs, the player far away, gameplay on and no slow-down.
    void resetWorld()
    {
        placeCamera(std::nullopt);
        g_gameBase->m_world = std::make_unique<GameWorld>();
        for (irr::s32 i = 5; i <= 60; ++i)
            for (irr::s32 j = 5; j <= 60; ++j)
                g_gameBase->m_world->setCell(MapCoord(i, 0, j), FloorCode::Plain);
        logictest::loadSongBook(logictest::kSongs);
        g_gameBase->m_playerPosition = vector3df(1000.0f, 7.0f, 1000.0f);
        g_gameBase->m_gameplayActive = true;
        g_gameBase->m_slowDown = false;
    }

    void loadNodes(const std::string& connections) { loadGraph(kSquarePoints + connections); }
    void loadGraph(const std::string& text)
    {
        testsupport::writeFile("nodes.txt", text);
        g_gameBase->m_world->getNodeGraph().load("nodes.txt");
    }
    //! An enemy at the position, heading along +x.
    GameActor& addEnemy(const vector3df& position = kStart)
    {
        auto input = std::make_unique<EnemyInputComponent>(m_engine.get(), m_clock);
        m_input = input.get();
        auto voice = std::make_unique<ToneRecorder>();
        m_voice = voice.get();
        auto physics = std::make_unique<StandardPhysicsComponent>(5, [this] { return m_clock.frameMs(); });
        GameActor* actor = g_gameBase->m_world->addActor(
            std::make_unique<GameActor>(7, std::move(input), std::move(physics), nullptr, std::move(voice)));
        actor->setPosition(position);
        actor->setRotation(vector3df(1.0f, 5.0f, 0.0f));
        return *actor;
    }
    //! Moves the camera there, making one first; none removes it.
    void placeCamera(const std::optional<vector3df>& position)
    {
        if (!position && g_gameBase->m_camera)
            g_gameBase->m_camera->remove();
        if (!position)
            g_gameBase->m_camera = nullptr;
        else if (!g_gameBase->m_camera)
            g_gameBase->m_camera = m_device->getSceneManager()->addCameraSceneNode(nullptr, *position);
        else
            g_gameBase->m_camera->setPosition(*position);
    }
    void frame() { targetsOver(1); }
    //! Runs the frames, with a check after each, and returns the patrol
    //! targets of the last enemy made in the order they were taken.
    std::vector<irr::s32> targetsOver(int frames, const std::function<void(int)>& check = nullptr)
    {
        std::vector<irr::s32> targets;
        for (int i = 0; i < frames; ++i)
        {
            g_gameBase->m_world->updateActors(nullptr);
            if (check)
                check(i);
            const irr::s32 id = m_input->getTarget() ? m_input->getTarget()->m_id : -1;
            if (targets.empty() || targets.back() != id)
                targets.push_back(id);
        }
        return targets;
    }

    testsupport::TempWorkDir m_dir;
    logictest::ManualClock m_clock;
    platform::sound::SoundRef<testsupport::FakeSoundEngine> m_engine{new testsupport::FakeSoundEngine};
    EnemyInputComponent* m_input = nullptr;
    ToneRecorder* m_voice = nullptr;
};
} // namespace

TEST_F(EnemyTest, PatrolChoosesAtRandomButNeverTheNodeItCameFromWhileThereIsAnother)
{
    struct Case
    {
        const char* name;
        const char* connections;
        std::vector<std::vector<irr::s32>> allowed;
    };
    const Case cases[] = {
        {"ring", "1,2\n2,3\n3,4\n4,1\n", {{2, 3, 4, 1, 2, 3}, {4, 3, 2, 1, 4, 3}}},
        {"ring, duplicate entries, unknown id", "1,2\n1,2\n2,3\n3,4\n3,4\n4,1\n1,99\n",
         {{2, 3, 4, 1, 2, 3}, {4, 3, 2, 1, 4, 3}}},
        {"every entry the previous node: turn back", "1,2\n1,2\n", {{2, 1, 2, 1, 2, 1}}},
    };
    for (const Case& testCase : cases)
    {
        resetWorld();
        loadNodes(testCase.connections);
        addEnemy();
        m_clock.frame = 40; // 0.5 units a frame
        std::vector<irr::s32> targets = targetsOver(230);
        targets.resize(6);
        EXPECT_NE(std::find(testCase.allowed.begin(), testCase.allowed.end(), targets), testCase.allowed.end())
            << testCase.name;
    }
}

TEST_F(EnemyTest, PatrolTurnsBackAtDeadEndsAndWaitsAtANodeWithoutNeighbours)
{
    m_clock.frame = 40;
    loadNodes("1,2\n2,3\n");
    addEnemy();
    const std::vector<irr::s32> targets = targetsOver(3000);
    for (std::size_t i = 1; i + 1 < targets.size(); ++i)
        EXPECT_TRUE(targets[i] == 2 || targets[i + 1] == 2) << i;
    EXPECT_NE(std::find(targets.begin(), targets.end(), 3), targets.end());

    resetWorld();
    loadNodes("");
    GameActor& alone = addEnemy(vector3df(210.0f, 5.0f, 200.0f));
    EXPECT_EQ(targetsOver(100), (std::vector<irr::s32>{1}));
    EXPECT_LT(alone.getPosition().getDistanceFrom(kStart), 1.0f);
}

TEST_F(EnemyTest, TenThousandFramesOfPatrolStayOnTheGraph)
{
    m_clock.frame = 33;
    loadNodes("1,2\n2,3\n3,4\n4,1\n1,3\n");
    std::vector<GameActor*> enemies;
    for (const irr::f32 x : {200.0f, 220.0f, 210.0f})
        enemies.push_back(&addEnemy(vector3df(x, 5.0f, 200.0f)));
    const std::vector<irr::s32> targets = targetsOver(10000, [&enemies](int frame) {
        for (const GameActor* enemy : enemies)
        {
            const vector3df position = enemy->getPosition();
            ASSERT_TRUE(position.X > 199.0f && position.X < 221.0f && position.Z > 199.0f && position.Z < 221.0f)
                << frame << ": " << position.X << ", " << position.Z;
        }
    });
    EXPECT_GT(targets.size(), 100u); // 3400 units of walk, 20 or 28 units an edge
}

TEST_F(EnemyTest, LongFramesNeverCarryAMaskThroughAWallOrBars)
{
    enum class Block
    {
        Wall,
        Bars
    };
    const irr::u32 frameLengths[] = {8, 16, 50, 150, 300};
    // A line from x 240 to 300 along z 200; cell 25 blocks x from 242 to 258.
    const char* const line = "[points]\n1,24,480\n2,30,480\n[connections]\n1,2\n";
    const vector3df start(236.0f, 5.0f, 200.0f);
    for (const Block block : {Block::Wall, Block::Bars})
        for (const bool hunting : {false, true})
            for (const irr::u32 frameMs : frameLengths)
            {
                const std::string name = std::string(block == Block::Wall ? "wall, " : "bars, ") +
                                         (hunting ? "hunting, " : "patrolling, ") + std::to_string(frameMs) + " ms";
                resetWorld();
                loadGraph(line);
                GameActor& enemy = addEnemy(start);
                if (hunting)
                {
                    m_clock.frame = 8;
                    placeCamera(start + vector3df(50.0f, 2.0f, 0.0f)); // seen with the way still open
                    frame();
                    ASSERT_TRUE(m_input->isDetected()) << name;
                    placeCamera(start + vector3df(75.0f, 2.0f, 0.0f)); // beyond 60 he stays hunted
                }
                if (block == Block::Wall)
                {
                    for (irr::s32 j = 5; j <= 60; ++j)
                        g_gameBase->m_world->setWalkable(MapCoord(25, 0, j), false);
                }
                else
                {
                    for (irr::s32 i = 15; i <= 35; ++i) // a corridor along z 200, closed by bars
                        for (const irr::s32 j : {19, 21})
                            g_gameBase->m_world->setWalkable(MapCoord(i, 0, j), false);
                    g_gameBase->m_world->setWalkable(MapCoord(25, 0, 20), false);
                }
                m_clock.frame = frameMs;
                const irr::f32 perFrame = static_cast<irr::f32>(frameMs * frameMs) * (hunting ? 0.0009375f : 0.0003125f);
                for (irr::f32 walked = 0.0f; walked < 40.0f; walked += perFrame)
                {
                    frame();
                    ASSERT_LT(enemy.getPosition().X, 242.0f) << name;
                }
                EXPECT_EQ(m_input->isDetected(), hunting) << name;
                EXPECT_GT(enemy.getPosition().X, 239.0f) << name; // it did walk up to them
            }
}

TEST_F(EnemyTest, PatrolOfLongFramesTurnsAtTheNodesAndKeepsItsPace)
{
    const irr::u32 frameLengths[] = {16, 50, 150, 300, 3600000}; // the last: a suspended machine
    for (const irr::u32 frameMs : frameLengths)
    {
        resetWorld();
        loadNodes("1,2\n"); // from (200, 200) to (220, 200) and back
        GameActor& enemy = addEnemy(kStart);
        m_clock.frame = frameMs;
        const irr::f32 perFrame = static_cast<irr::f32>(frameMs) * static_cast<irr::f32>(frameMs) * 0.0003125f;
        targetsOver(200, [&](int i) {
            const vector3df position = enemy.getPosition();
            ASSERT_TRUE(position.X > 199.99f && position.X < 220.01f && std::abs(position.Z - 200.0f) < 0.01f)
                << frameMs << " ms, frame " << i << ": " << position.X << ", " << position.Z;
            if (perFrame < 1.0f || perFrame > 100.0f || i >= 5)
                return;
            // Turning exactly at each end, it goes 40 units to and fro at its full pace.
            const irr::f32 along = std::fmod(perFrame * static_cast<irr::f32>(i + 1), 40.0f);
            EXPECT_NEAR(position.X, 200.0f + (along < 20.0f ? along : 40.0f - along), 1e-3f)
                << frameMs << " ms, frame " << i;
        });
    }
}

TEST_F(EnemyTest, SpotsThePlayerInFrontWithinSixtyUnitsAndAFreeLineOfSight)
{
    const irr::f32 kNoCamera = 1e9f;
    struct Sight
    {
        irr::f32 ahead; // the camera's distance along the enemy's heading, 2 units above its eyes
        bool wall;
        bool detected;
    };
    struct Case
    {
        const char* name;
        std::vector<Sight> frames;
        std::size_t alarms;
    };
    const Case cases[] = {
        {"in front", {{55, false, true}, {40, false, true}}, 1},
        {"too far", {{61, false, false}}, 0},
        {"behind", {{-10, false, false}}, 0},
        {"right above", {{0, false, false}}, 0},
        {"wall between", {{50, true, false}}, 0},
        {"hunting goes on at 70", {{50, false, true}, {70, false, true}}, 1},
        {"patrolling misses him at 70", {{70, false, false}}, 0},
        {"lost beyond 80", {{50, false, true}, {81, false, false}, {50, false, true}}, 2},
        {"lost behind a wall within 60", {{50, false, true}, {50, true, false}}, 1},
        {"lost without a camera", {{50, false, true}, {kNoCamera, false, false}}, 1},
    };
    for (const Case& testCase : cases)
    {
        resetWorld();
        GameActor& enemy = addEnemy();
        m_clock.frame = 8; // a chase of 0.06 units a frame
        m_engine->sounds.clear();
        for (std::size_t i = 0; i < testCase.frames.size(); ++i)
        {
            const Sight& sight = testCase.frames[i];
            g_gameBase->m_world->setWalkable(MapCoord(23, 0, 20), !sight.wall);
            placeCamera(sight.ahead == kNoCamera ? std::nullopt
                                                 : std::optional(kStart + vector3df(sight.ahead, 2.0f, 0.0f)));
            enemy.setRotation(vector3df(1.0f, 5.0f, 0.0f));
            frame();
            EXPECT_EQ(m_input->isDetected(), sight.detected) << testCase.name << ", frame " << i;
        }
        EXPECT_EQ(m_engine->sounds.size(), testCase.alarms) << testCase.name;
        for (const auto& alarm : m_engine->sounds)
            EXPECT_TRUE(alarm->file == EnemyInputComponent::kAlarmSound && !alarm->is3D && !alarm->looped);
    }
}

TEST_F(EnemyTest, HunterKillsEveryFrameWithinThreeUnits)
{
    logictest::EventRecorder events;
    const std::pair<irr::f32, std::size_t> cases[] = {{2.0f, 3}, {3.1f, 2}, {3.5f, 0}};
    for (const auto& [distance, deaths] : cases)
    {
        resetWorld();
        const std::size_t before = events.deaths().size();
        addEnemy();
        m_clock.frame = 8; // 0.06 units a frame
        placeCamera(kStart + vector3df(30.0f, -5.0f, 0.0f)); // level with the enemy: the chase runs along x
        g_gameBase->m_playerPosition = kStart + vector3df(distance, 0.0f, 0.0f);
        targetsOver(3);
        EXPECT_EQ(events.deaths().size() - before, deaths) << distance;
    }
    EXPECT_EQ(events.deaths().back(), 0u);
}

TEST_F(EnemyTest, HunterKillsWhenItsPathThisFramePassesWithinThreeUnits)
{
    logictest::EventRecorder events;
    struct Case
    {
        vector3df player; // from the hunter's start; a frame of 100 ms carries it 9.375 along x
        bool dies;
    };
    const Case cases[] = {{{5.0f, 0.0f, 0.0f}, true},  {{5.0f, 0.0f, 2.9f}, true}, {{9.0f, 0.0f, -2.5f}, true},
                          {{-2.5f, 0.0f, 0.0f}, true}, {{5.0f, 0.0f, 3.1f}, false}, {{13.0f, 0.0f, 0.0f}, false},
                          {{-3.5f, 0.0f, 0.0f}, false}};
    for (const Case& testCase : cases)
    {
        resetWorld();
        const std::size_t before = events.deaths().size();
        GameActor& enemy = addEnemy();
        m_clock.frame = 100;
        placeCamera(kStart + vector3df(30.0f, -5.0f, 0.0f)); // level with the enemy: the chase runs along x
        g_gameBase->m_playerPosition = kStart + testCase.player;
        frame();
        ASSERT_NEAR(enemy.getPosition().X, kStart.X + 9.375f, 1e-3f);
        EXPECT_EQ(events.deaths().size() - before, testCase.dies ? 1u : 0u)
            << testCase.player.X << ", " << testCase.player.Z;
    }
}

TEST_F(EnemyTest, SpeedGrowsWithTheSquareOfTheFrameTime)
{
    struct Case
    {
        bool hunting;
        bool slowDown;
        bool gameplay;
        irr::u32 frameMs;
        irr::f32 moved;
    };
    const Case cases[] = {{false, false, true, 40, 0.5f}, {false, true, true, 40, 0.375f},
                          {false, false, true, 20, 0.125f}, {true, false, true, 40, 1.5f},
                          {true, true, true, 40, 1.5f},    {true, false, true, 300, 84.375f},
                          {false, false, true, 7, 0.0f},
                          {false, false, false, 40, 0.0f}, {true, false, false, 40, 0.0f}};
    for (const Case& testCase : cases)
    {
        resetWorld();
        loadNodes("1,2\n2,3\n3,4\n4,1\n");
        const vector3df start(210.0f, 5.0f, 200.0f);
        GameActor& enemy = addEnemy(start);
        if (testCase.hunting)
            placeCamera(vector3df(240.0f, 0.0f, 200.0f)); // level with the enemy
        g_gameBase->m_slowDown = testCase.slowDown;
        g_gameBase->m_gameplayActive = testCase.gameplay;
        m_clock.frame = testCase.frameMs;
        frame();
        EXPECT_NEAR(enemy.getPosition().getDistanceFrom(start), testCase.moved, 1e-4)
            << testCase.hunting << testCase.slowDown << testCase.gameplay << testCase.frameMs;
        EXPECT_EQ(m_input->isDetected(), testCase.hunting && testCase.gameplay);
    }
}

TEST_F(EnemyTest, SingsSongTwoByGameTimeWhileThePlayerIsWithinNinety)
{
    struct Case
    {
        double gameMs;
        irr::f32 playerDistance;
        bool tone0;
        bool tone4;
    };
    // Song 2, 100 ms a step: tone 4 on steps 0 and 2, tone 0 on steps 1 and 2.
    const Case cases[] = {{5000, 85, false, true}, {5100, 90, true, false}, {5250, 85, true, true},
                          {5200, 91, false, false}, {5400, 50, false, true}};
    GameActor& enemy = addEnemy();
    for (const Case& testCase : cases)
    {
        m_clock.game = testCase.gameMs;
        g_gameBase->m_playerPosition = enemy.getPosition() + vector3df(0.0f, 0.0f, testCase.playerDistance);
        frame();
        EXPECT_EQ(m_voice->tones[0], testCase.tone0) << testCase.gameMs;
        EXPECT_EQ(m_voice->tones[4], testCase.tone4) << testCase.gameMs;
    }

    resetWorld();
    logictest::loadSongBook("song=3\nX\n-\n-\n-\n-\nend\n"); // no song 2: silent
    GameActor& mute = addEnemy();
    g_gameBase->m_playerPosition = mute.getPosition();
    frame();
    EXPECT_EQ(m_voice->tones, (std::array<bool, 5>{}));
}
