// The player's input: walking, strafing and turning by the key table, the
// frame-time rules, and the tone keys.

#include "code/src/logic/humaninputcomponent.h"
#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/musicalcomponent.h"
#include "code/src/world/visualcomponent.h"
#include "tests/code/logic/manualclock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

using namespace Belgarune;
using irr::core::vector3df;

namespace
{
struct ToneRecorder : MusicalComponent
{
    void update(GameActor*, IDungeonView*) override {}
    void setTone(int tone, bool pressed) override { calls.emplace_back(tone, pressed); }
    std::vector<std::pair<int, bool>> calls;
};

class HumanInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_saved = g_gameBase;
        makeHero();
    }
    void TearDown() override { g_gameBase = m_saved; }

    //! A fresh game state with an open room and the hero at kStart looking along +x.
    void makeHero()
    {
        g_gameBase = std::make_shared<GameBase>();
        for (irr::s32 i = 5; i <= 15; ++i)
            for (irr::s32 j = 5; j <= 15; ++j)
                g_gameBase->m_world->setCell(MapCoord(i, 0, j), FloorCode::Plain);
        auto input = std::make_unique<HumanInputComponent>([this](irr::EKEY_CODE key) { return m_held.count(key) > 0; },
                                                           m_clock);
        auto tones = std::make_unique<ToneRecorder>();
        m_input = input.get();
        m_tones = tones.get();
        m_actor = std::make_unique<GameActor>(
            0, std::move(input), std::make_unique<StandardPhysicsComponent>(7, [this] { return m_clock.frame; }),
            nullptr, std::move(tones));
        m_actor->setPlayer(true);
        m_actor->setPosition(kStart);
        m_actor->setRotation(kStart + vector3df(1.0f, 0.0f, 0.0f));
    }

    void frame() { m_input->update(m_actor.get(), m_actor->getPhysics()); }
    std::vector<std::pair<int, bool>> tonesOfFrame()
    {
        m_tones->calls.clear();
        frame();
        return m_tones->calls;
    }
    static std::vector<std::pair<int, bool>> tones(bool g, bool h, bool j, bool k, bool l)
    {
        return {{0, g}, {1, h}, {2, j}, {3, k}, {4, l}};
    }

    const vector3df kStart{100.0f, 7.0f, 100.0f};
    logictest::ManualClock m_clock;
    std::set<irr::EKEY_CODE> m_held;
    std::shared_ptr<GameBase> m_saved;
    std::unique_ptr<GameActor> m_actor;
    HumanInputComponent* m_input = nullptr;
    ToneRecorder* m_tones = nullptr;
};

TEST_F(HumanInputTest, KeysWalkStrafeAndTurnTheHero)
{
    using irr::EKEY_CODE;
    const irr::f32 turn = 80.0f * 0.2f * 0.6f * irr::core::DEGTORAD; // A for a frame of 80 ms
    const struct
    {
        std::set<EKEY_CODE> keys;
        irr::u32 frameMs;
        bool slowDown;
        vector3df position;
        vector3df heading;
    } cases[] = {
        {{irr::KEY_KEY_W}, 80, false, {101.0f, 7.0f, 100.0f}, {1.0f, 0.0f, 0.0f}},
        {{irr::KEY_KEY_S}, 80, false, {99.0f, 7.0f, 100.0f}, {1.0f, 0.0f, 0.0f}},
        {{irr::KEY_KEY_W, irr::KEY_KEY_S}, 80, false, {100.0f, 7.0f, 100.0f}, {1.0f, 0.0f, 0.0f}},
        {{irr::KEY_KEY_Q}, 80, false, {100.0f, 7.0f, 101.0f}, {1.0f, 0.0f, 0.0f}},
        {{irr::KEY_KEY_E}, 80, false, {100.0f, 7.0f, 99.0f}, {1.0f, 0.0f, 0.0f}},
        {{irr::KEY_KEY_Q, irr::KEY_KEY_E}, 80, false, {100.0f, 7.0f, 101.0f}, {1.0f, 0.0f, 0.0f}},
        {{irr::KEY_KEY_W}, 8, false, {100.1f, 7.0f, 100.0f}, {1.0f, 0.0f, 0.0f}},
        {{irr::KEY_KEY_W}, 7, false, {100.0f, 7.0f, 100.0f}, {1.0f, 0.0f, 0.0f}},
        {{irr::KEY_KEY_W}, 80, true, {100.75f, 7.0f, 100.0f}, {1.0f, 0.0f, 0.0f}},
        {{irr::KEY_KEY_A}, 80, false, {100.0f, 7.0f, 100.0f}, {std::cos(turn), 0.0f, std::sin(turn)}},
        {{irr::KEY_KEY_D}, 80, false, {100.0f, 7.0f, 100.0f}, {std::cos(turn), 0.0f, -std::sin(turn)}},
        {{irr::KEY_KEY_A, irr::KEY_KEY_D}, 80, false, {100.0f, 7.0f, 100.0f}, {1.0f, 0.0f, 0.0f}},
        {{irr::KEY_KEY_A, irr::KEY_KEY_W}, 80, false, {100.0f + std::cos(turn), 7.0f, 100.0f + std::sin(turn)},
         {std::cos(turn), 0.0f, std::sin(turn)}},
    };
    for (const auto& c : cases)
    {
        makeHero();
        m_held = c.keys;
        m_clock.frame = c.frameMs;
        g_gameBase->m_slowDown = c.slowDown;
        frame();
        const vector3df position = m_actor->getPosition();
        const vector3df heading = m_actor->getRotation() - position;
        const std::string label = std::to_string(c.frameMs) + " ms, keys " + std::to_string(c.keys.size());
        EXPECT_TRUE(position.equals(c.position, 1e-4f)) << label << ": " << position.X << " " << position.Z;
        EXPECT_TRUE(heading.equals(c.heading, 1e-4f)) << label << ": " << heading.X << " " << heading.Z;
        EXPECT_EQ(g_gameBase->m_playerPosition, position) << label;
        EXPECT_EQ(g_gameBase->m_playerLookAt, m_actor->getRotation()) << label;
    }
}

TEST_F(HumanInputTest, ToneKeysPlayOnlyWithTheInstrumentWhileEnabled)
{
    m_held = {irr::KEY_KEY_G, irr::KEY_KEY_K};
    const struct
    {
        bool instrument;
        bool enabled;
        bool sounds;
    } cases[] = {{false, true, false}, {true, false, false}, {true, true, true}};
    for (const auto& c : cases)
    {
        g_gameBase->m_hasItem[0] = c.instrument;
        g_gameBase->m_toneKeysEnabled = c.enabled;
        EXPECT_EQ(tonesOfFrame(), tones(c.sounds, false, false, c.sounds, false)) << c.instrument << c.enabled;
    }
}

TEST_F(HumanInputTest, ScriptedFramesPlayTheForcedTonesAndStandStill)
{
    g_gameBase->m_gameplayActive = false;
    g_gameBase->m_hasItem[0] = true;
    m_held = {irr::KEY_KEY_W, irr::KEY_KEY_G};
    g_gameBase->m_forcedTones[1] = true;
    g_gameBase->m_forcedTones[4] = true;
    EXPECT_EQ(tonesOfFrame(), tones(false, true, false, false, true));
    g_gameBase->m_forcedTones[4] = false;
    EXPECT_EQ(tonesOfFrame(), tones(false, true, false, false, false));
    EXPECT_EQ(m_actor->getPosition(), kStart);
}

TEST_F(HumanInputTest, FrameOfZeroMillisecondsChangesNothing)
{
    g_gameBase->m_hasItem[0] = true;
    m_held = {irr::KEY_KEY_W, irr::KEY_KEY_A, irr::KEY_KEY_G};
    m_clock.frame = 0;
    EXPECT_TRUE(tonesOfFrame().empty());
    EXPECT_EQ(m_actor->getPosition(), kStart);
    EXPECT_EQ(m_actor->getRotation(), kStart + vector3df(1.0f, 0.0f, 0.0f));
}
} // namespace
