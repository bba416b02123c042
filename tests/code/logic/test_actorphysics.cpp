#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/emptyinputcomponent.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/inputcomponent.h"
#include "code/src/world/musicalcomponent.h"
#include "code/src/world/visualcomponent.h"
#include "tests/support/recordingview.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Belgarune;
using irr::core::vector3df;
using testsupport::RecordingView;

namespace
{
void openBlock(GameWorld& world, irr::s32 fromI, irr::s32 fromJ, irr::s32 toI, irr::s32 toJ)
{
    for (irr::s32 i = fromI; i <= toI; ++i)
        for (irr::s32 j = fromJ; j <= toJ; ++j)
            world.setCell(MapCoord(i, 0, j), Belgarune::FloorCode::Plain);
}

class PhysicsTest : public ::testing::Test
{
protected:
    void SetUp() override { g_gameBase->m_world = std::make_unique<GameWorld>(); }

    GameWorld& world() { return *g_gameBase->m_world; }

    //! An actor at position with its look-at point one unit further along x.
    GameActor& makeActor(const vector3df& position, irr::s32 height = 5)
    {
        auto physics = std::make_unique<StandardPhysicsComponent>(height, [this] { return m_frameMs; });
        m_actor = std::make_unique<GameActor>(1, nullptr, std::move(physics), nullptr, nullptr);
        m_actor->setPosition(position);
        m_actor->setRotation(position + vector3df(1.0f, 0.0f, 0.0f));
        return *m_actor;
    }

    void move(const vector3df& direction) { m_actor->getPhysics()->move(m_actor.get(), direction); }

    irr::u32 m_frameMs = 80; // a step of exactly 1.0
    std::unique_ptr<GameActor> m_actor;
};
} // namespace

TEST_F(PhysicsTest, FramesOfSevenMillisecondsOrLessMoveNothing)
{
    openBlock(world(), 5, 5, 15, 15);
    GameActor& actor = makeActor(vector3df(100.0f, 5.0f, 100.0f));
    for (irr::u32 frameMs : {0u, 1u, 7u})
    {
        m_frameMs = frameMs;
        move(vector3df(1.0f, 0.0f, 0.0f));
        EXPECT_EQ(actor.getPosition(), vector3df(100.0f, 5.0f, 100.0f)) << frameMs;
    }
    m_frameMs = 8;
    move(vector3df(1.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(actor.getPosition().X, 100.1f);
    EXPECT_FLOAT_EQ(actor.getRotation().X, 101.1f);

    m_frameMs = 16;
    move(vector3df(0.0f, 0.0f, -2.0f)); // the direction's length sets the speed
    EXPECT_FLOAT_EQ(actor.getPosition().Z, 99.6f);
}

TEST_F(PhysicsTest, BlockedDiagonalSlidesAlongXFirstThenZ)
{
    openBlock(world(), 5, 10, 15, 10); // a corridor along x: z from 98 to 102 is free
    GameActor& alongX = makeActor(vector3df(100.0f, 5.0f, 101.5f));
    move(vector3df(1.0f, 0.0f, 1.0f));
    EXPECT_EQ(alongX.getPosition(), vector3df(101.0f, 5.0f, 101.5f));
    EXPECT_EQ(alongX.getRotation(), vector3df(102.0f, 5.0f, 101.5f));

    g_gameBase->m_world = std::make_unique<GameWorld>();
    openBlock(world(), 10, 5, 10, 15); // a corridor along z
    GameActor& alongZ = makeActor(vector3df(101.5f, 5.0f, 100.0f));
    move(vector3df(1.0f, 0.0f, 1.0f));
    EXPECT_EQ(alongZ.getPosition(), vector3df(101.5f, 5.0f, 101.0f));
    EXPECT_EQ(alongZ.getRotation(), vector3df(102.5f, 5.0f, 101.0f));
}

TEST_F(PhysicsTest, BlockedEveryWayKeepsPositionAndLook)
{
    openBlock(world(), 10, 10, 10, 10);
    GameActor& actor = makeActor(vector3df(101.9f, 5.0f, 101.9f));
    actor.setRotation(vector3df(0.3f, 5.0f, -7.7f));
    move(vector3df(1.0f, 0.0f, 1.0f));
    EXPECT_EQ(actor.getPosition(), vector3df(101.9f, 5.0f, 101.9f));
    EXPECT_EQ(actor.getRotation(), vector3df(0.3f, 5.0f, -7.7f));
}

TEST_F(PhysicsTest, LongFramesKeepTheirDistanceButNeverStepOverABlockedCell)
{
    struct Case
    {
        irr::u32 frameMs;
        irr::f32 wishPerMs; // 0.025 a patrolling mask, 0.075 a hunting one
    };
    const Case cases[] = {{8, 0.025f},  {16, 0.025f}, {50, 0.025f},  {150, 0.025f},    {300, 0.025f},
                          {8, 0.075f},  {16, 0.075f}, {50, 0.075f},  {150, 0.075f},    {300, 0.075f},
                          {400, 0.075f}, {3600000, 0.075f}}; // an hour: a suspended machine
    for (const Case& testCase : cases)
    {
        const irr::f32 frame = static_cast<irr::f32>(testCase.frameMs);
        const vector3df wish(0.0f, 0.0f, frame * testCase.wishPerMs);
        const irr::f32 distance = wish.Z * frame * 0.0125f;
        m_frameMs = testCase.frameMs;

        // A room along z from 45 to 605 (250 units of it free ahead), then a blocked cell row.
        g_gameBase->m_world = std::make_unique<GameWorld>();
        openBlock(world(), 5, 5, 15, 60);
        GameActor& actor = makeActor(vector3df(100.0f, 5.0f, 300.0f));
        if (distance < 250.0f)
        {
            move(wish);
            EXPECT_NEAR(actor.getPosition().Z, 300.0f + distance, 1e-4f * distance) << testCase.frameMs;
            EXPECT_EQ(actor.getRotation() - actor.getPosition(), vector3df(1.0f, 0.0f, 0.0f));
        }

        world().setWalkable(MapCoord(10, 0, 40), false); // bars 3 units ahead of a mask at z 392
        for (const irr::s32 i : {9, 11})
            world().setWalkable(MapCoord(i, 0, 40), false); // and the walls beside them
        actor.setPosition(vector3df(100.0f, 5.0f, 380.0f));
        for (irr::f32 walked = 0.0f; walked < 40.0f; walked += distance)
        {
            move(wish);
            ASSERT_LT(actor.getPosition().Z, 392.0f) << testCase.frameMs << " ms, " << testCase.wishPerMs;
        }
        // Up to the bars, short of them by less than a piece; a move across the whole grid is cut.
        if (distance < 250.0f)
        {
            EXPECT_GT(actor.getPosition().Z, 389.5f) << testCase.frameMs;
        }
    }
}

TEST_F(PhysicsTest, EveryPieceOfALongMoveSlides)
{
    openBlock(world(), 5, 10, 15, 10); // a corridor along x: z from 98 to 102 is free
    world().setWalkable(MapCoord(12, 0, 10), false); // a wall across it: x from 112 on is blocked
    m_frameMs = 300;                                 // 3.75 units for a direction of length 1
    GameActor& actor = makeActor(vector3df(100.0f, 5.0f, 101.5f));
    // 22.5 along x and 30 along z: 15 pieces of (1.5, 2) each slide along x, up to the wall.
    move(vector3df(6.0f, 0.0f, 8.0f));
    EXPECT_EQ(actor.getPosition(), vector3df(110.5f, 5.0f, 101.5f));
    EXPECT_EQ(actor.getRotation(), vector3df(111.5f, 5.0f, 101.5f));
}

TEST_F(PhysicsTest, RoundObstaclesBlockMovement)
{
    openBlock(world(), 5, 5, 15, 15);
    world().addRoundCollision(vector3df(105.0f, 0.0f, 100.0f), 4);
    GameActor& actor = makeActor(vector3df(100.0f, 5.0f, 100.0f));
    move(vector3df(1.0f, 0.0f, 0.0f));
    move(vector3df(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(actor.getPosition(), vector3df(101.0f, 5.0f, 100.0f));
}

TEST_F(PhysicsTest, OppositeMovesInOneFrameCancel)
{
    openBlock(world(), 5, 5, 15, 15);
    GameActor& actor = makeActor(vector3df(100.0f, 5.0f, 100.0f));
    move(vector3df(0.0f, 0.0f, 1.0f));
    move(vector3df(0.0f, 0.0f, -1.0f));
    EXPECT_EQ(actor.getPosition(), vector3df(100.0f, 5.0f, 100.0f));
    EXPECT_EQ(actor.getRotation(), vector3df(101.0f, 5.0f, 100.0f));
}

TEST_F(PhysicsTest, UpdateRestoresTheHeightAndPlacesOnlyThePlayersCamera)
{
    openBlock(world(), 5, 5, 15, 15);
    RecordingView view;
    GameActor& actor = makeActor(vector3df(100.0f, 5.0f, 100.0f), 7);
    move(vector3df(0.0f, 3.0f, 1.0f));
    EXPECT_FLOAT_EQ(actor.getPosition().Y, 8.0f);

    actor.getPhysics()->update(&actor, &view);
    EXPECT_EQ(actor.getPosition(), vector3df(100.0f, 7.0f, 101.0f));
    EXPECT_EQ(actor.getRotation(), vector3df(101.0f, 7.0f, 101.0f));
    EXPECT_TRUE(view.poses.empty());

    actor.setPlayer(true);
    actor.getPhysics()->update(&actor, &view);
    ASSERT_EQ(view.poses.size(), 1u);
    EXPECT_EQ(view.poses[0].position, vector3df(100.0f, 7.0f, 101.0f));
    EXPECT_EQ(view.poses[0].target, vector3df(101.0f, 7.0f, 101.0f));
    actor.getPhysics()->update(&actor, nullptr); // no view yet: nothing to place
}

TEST_F(PhysicsTest, WithoutADeviceTheFrameTimeIsZero)
{
    EXPECT_EQ(StandardPhysicsComponent::deviceFrameTime(), 0u);
    openBlock(world(), 5, 5, 15, 15);
    GameActor actor(0, nullptr, std::make_unique<StandardPhysicsComponent>(7), nullptr, nullptr);
    actor.setPosition(vector3df(100.0f, 7.0f, 100.0f));
    actor.getPhysics()->move(&actor, vector3df(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(actor.getPosition(), vector3df(100.0f, 7.0f, 100.0f));
}

namespace
{
using Trace = std::vector<std::string>;

class TracingInput : public InputComponent
{
public:
    explicit TracingInput(Trace& trace) : m_trace(trace) {}
    void update(GameActor* actor, PhysicsComponent* physics) override
    {
        m_trace.push_back(physics == actor->getPhysics() ? "input" : "input with a foreign physics");
    }
    void reset(GameActor*) override { m_trace.push_back("reset"); }

private:
    Trace& m_trace;
};

class TracingPhysics : public PhysicsComponent
{
public:
    explicit TracingPhysics(Trace& trace) : PhysicsComponent(5), m_trace(trace) {}
    void update(GameActor*, IDungeonView* view) override
    {
        m_trace.push_back(view ? "physics" : "physics without view");
    }

private:
    Trace& m_trace;
};

class TracingVisual : public VisualComponent
{
public:
    explicit TracingVisual(Trace& trace) : m_trace(trace) {}
    void update(GameActor*, IDungeonView*) override { m_trace.push_back("visual"); }

private:
    Trace& m_trace;
};

class TracingMusical : public MusicalComponent
{
public:
    explicit TracingMusical(Trace& trace) : m_trace(trace) {}
    void update(GameActor* actor, IDungeonView*) override
    {
        m_trace.push_back("musical " + std::to_string(actor->getId()));
    }

private:
    Trace& m_trace;
};
} // namespace

TEST(GameActorTest, UpdateRunsInputPhysicsVisualMusicalInOrder)
{
    Trace trace;
    RecordingView view;
    GameActor actor(3, std::make_unique<TracingInput>(trace), std::make_unique<TracingPhysics>(trace),
                    std::make_unique<TracingVisual>(trace), std::make_unique<TracingMusical>(trace));
    EXPECT_EQ(actor.getPosition(), vector3df(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(actor.getRotation(), vector3df(0.0f, 0.0f, 0.0f));
    EXPECT_FALSE(actor.isPlayer());

    actor.update(nullptr, &view);
    EXPECT_EQ(trace, (Trace{"input", "physics", "visual", "musical 3"}));
    actor.reset();
    EXPECT_EQ(trace.back(), "reset");
}

TEST(GameActorTest, MissingComponentsAreSkippedButTheHeightIsStillHeld)
{
    RecordingView view;
    GameActor actor(2, nullptr, std::make_unique<StandardPhysicsComponent>(5), nullptr, nullptr);
    actor.setPosition(vector3df(10.0f, -3.0f, 20.0f));
    actor.update(nullptr, &view);
    actor.reset();
    EXPECT_FLOAT_EQ(actor.getPosition().Y, 5.0f);

    GameActor still(4, std::make_unique<EmptyInputComponent>(), std::make_unique<StandardPhysicsComponent>(5),
                    nullptr, nullptr);
    still.setPosition(vector3df(10.0f, 0.0f, 20.0f));
    still.update(nullptr, &view);
    still.reset();
    EXPECT_EQ(still.getPosition(), vector3df(10.0f, 5.0f, 20.0f));
}

TEST(GameActorTest, WorldUpdatesItsActorsInTheOrderAdded)
{
    Trace trace;
    RecordingView view;
    auto world = std::make_unique<GameWorld>(); // 2 MB of cells: not on the stack
    for (irr::s32 id : {5, 1, 9})
        world->addActor(std::make_unique<GameActor>(id, nullptr, std::make_unique<TracingPhysics>(trace), nullptr,
                                                    std::make_unique<TracingMusical>(trace)));
    world->updateActors(&view);
    EXPECT_EQ(trace, (Trace{"physics", "musical 5", "physics", "musical 1", "physics", "musical 9"}));
}
