#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameitem.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/inputcomponent.h"
#include "code/src/world/musicalcomponent.h"
#include "code/src/world/visualcomponent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <set>
#include <utility>
#include <vector>

using Belgarune::GameActor;
using Belgarune::GameWorld;
using Belgarune::MapCoord;
using irr::core::vector2d;
using irr::core::vector3df;

namespace
{
using Cell = vector2d<irr::s32>;

// A free rectangle of cells, both corners included (first index, second index).
void openBlock(GameWorld& world, irr::s32 fromI, irr::s32 fromJ, irr::s32 toI, irr::s32 toJ)
{
    for (irr::s32 i = fromI; i <= toI; ++i)
        for (irr::s32 j = fromJ; j <= toJ; ++j)
            world.setCell(MapCoord(i, 0, j), Belgarune::FloorCode::Plain);
}

Cell cellAt(irr::f32 x, irr::f32 z)
{
    Cell cell(-99, -99);
    EXPECT_TRUE(GameWorld::cellOfPosition(vector3df(x, 0.0f, z), cell)) << x << ", " << z;
    return cell;
}

std::unique_ptr<GameActor> makeActor(irr::s32 id)
{
    return std::make_unique<GameActor>(id, nullptr, std::make_unique<Belgarune::StandardPhysicsComponent>(5),
                                       nullptr, nullptr);
}

class GameWorldTest : public ::testing::Test
{
protected:
    // Large: the grid is 2 MB.
    std::unique_ptr<GameWorld> m_world = std::make_unique<GameWorld>();
    GameWorld& world() { return *m_world; }
};
} // namespace

TEST_F(GameWorldTest, CellArithmeticTruncatesTowardZeroAtTheBorders)
{
    EXPECT_EQ(cellAt(4.0f, 100.0f).X, 1);
    EXPECT_EQ(cellAt(14.99f, 100.0f).X, 1);
    EXPECT_EQ(cellAt(15.0f, 100.0f).X, 2);
    EXPECT_EQ(cellAt(-4.99f, 100.0f).X, 1);
    EXPECT_EQ(cellAt(100.0f, 24.99f).Y, 2);
    EXPECT_EQ(cellAt(4994.99f, 100.0f).X, 499);

    Cell cell;
    EXPECT_FALSE(GameWorld::cellOfPosition(vector3df(-6.0f, 0.0f, 100.0f), cell));
    EXPECT_FALSE(GameWorld::cellOfPosition(vector3df(-5.0f, 0.0f, 100.0f), cell));
    EXPECT_FALSE(GameWorld::cellOfPosition(vector3df(4995.0f, 0.0f, 100.0f), cell));
    EXPECT_FALSE(GameWorld::cellOfPosition(vector3df(100.0f, 0.0f, -6.0f), cell));
}

TEST_F(GameWorldTest, PositionsOutsideTheGridOrNotFiniteCollide)
{
    openBlock(world(), 0, 8, 4, 12);
    EXPECT_FALSE(world().collides(vector3df(-4.0f, 0.0f, 100.0f), false));
    EXPECT_TRUE(world().collides(vector3df(-6.0f, 0.0f, 100.0f), false));

    const irr::f32 nan = std::numeric_limits<irr::f32>::quiet_NaN();
    const irr::f32 inf = std::numeric_limits<irr::f32>::infinity();
    for (const vector3df& odd : {vector3df(nan, 0.0f, 100.0f), vector3df(20.0f, 0.0f, nan),
                                 vector3df(20.0f, nan, 100.0f), vector3df(inf, 0.0f, 100.0f),
                                 vector3df(20.0f, 0.0f, -inf), vector3df(3e38f, 0.0f, 3e38f)})
    {
        EXPECT_TRUE(world().collides(odd, true)) << odd.X << ", " << odd.Y << ", " << odd.Z;
        EXPECT_FALSE(world().isPathFree(odd, vector3df(20.0f, 0.0f, 100.0f), true));
        EXPECT_FALSE(world().isPathFree(vector3df(20.0f, 0.0f, 100.0f), odd, true));
    }
}

TEST_F(GameWorldTest, NeighbourBeyondTheLastRowCountsAsBlocked)
{
    openBlock(world(), 496, 496, 499, 499);
    // Cell 499's square reaches 4995; index 500 beyond it keeps the margin of 3.
    EXPECT_FALSE(world().collides(vector3df(4991.9f, 0.0f, 4980.0f), false));
    EXPECT_TRUE(world().collides(vector3df(4992.5f, 0.0f, 4980.0f), false));
    EXPECT_TRUE(world().collides(vector3df(4980.0f, 0.0f, 4992.5f), false));
}

TEST_F(GameWorldTest, FreshWorldIsBlockedAndFloorBlockKeepsAMarginOfThree)
{
    EXPECT_TRUE(world().collides(vector3df(100.0f, 0.0f, 100.0f), true));
    EXPECT_EQ(world().isWalkable(10, 10), 0);
    EXPECT_EQ(world().getCellValue(10, 10), 0);

    openBlock(world(), 9, 9, 11, 11); // squares from 85 to 115
    EXPECT_FALSE(world().collides(vector3df(100.0f, 0.0f, 100.0f), false));
    EXPECT_TRUE(world().collides(vector3df(87.0f, 0.0f, 100.0f), false));   // 2 inside the outer edge
    EXPECT_TRUE(world().collides(vector3df(100.0f, 7.0f, 113.0f), false));  // height plays no part
    EXPECT_FALSE(world().collides(vector3df(90.0f, 0.0f, 90.0f), false));
    EXPECT_TRUE(world().collides(vector3df(87.99f, 0.0f, 100.0f), false));  // border of the widened square
    EXPECT_FALSE(world().collides(vector3df(88.01f, 0.0f, 100.0f), false));

    world().setWalkable(MapCoord(10, 0, 10), false);
    EXPECT_EQ(world().getCellValue(10, 10), 1);
    EXPECT_EQ(world().isWalkable(10, 10), 0);
    EXPECT_TRUE(world().collides(vector3df(100.0f, 0.0f, 100.0f), false));
}

TEST_F(GameWorldTest, PointInCellIncludesBothBorders)
{
    EXPECT_TRUE(GameWorld::isPointInCell(vector3df(2.0f, 0.0f, 18.0f), Cell(1, 1), 3));
    EXPECT_TRUE(GameWorld::isPointInCell(vector3df(18.0f, 0.0f, 2.0f), Cell(1, 1), 3));
    EXPECT_FALSE(GameWorld::isPointInCell(vector3df(18.01f, 0.0f, 10.0f), Cell(1, 1), 3));
    EXPECT_TRUE(GameWorld::isPointInCell(vector3df(15.0f, 0.0f, 5.0f), Cell(1, 1), 0));
}

TEST_F(GameWorldTest, SettersIgnoreCellsOutsideTheGridAndQueriesAnswerMinusOne)
{
    using Belgarune::FloorCode;
    world().setCell(MapCoord(0, 0, 0), FloorCode::Gloomy);
    world().setCell(MapCoord(499, 0, 499), FloorCode::Patterned);
    world().setCell(MapCoord(5, 0, 500), FloorCode::Plain);
    world().setCell(MapCoord(-1, 0, 5), FloorCode::Plain);
    world().setCell(MapCoord(std::numeric_limits<irr::s32>::min(), 0, std::numeric_limits<irr::s32>::max()),
                    FloorCode::Plain);
    world().setWalkable(MapCoord(500, 0, 5), true);
    world().setWalkable(MapCoord(5, 0, -7), true);

    EXPECT_EQ(world().getCellValue(499, 499), 2);
    EXPECT_EQ(world().isWalkable(499, 499), 1);
    EXPECT_EQ(world().getCellValue(0, 0), -1); // stored, but queries start at 1
    EXPECT_EQ(world().getCellValue(5, 500), -1);
    EXPECT_EQ(world().isWalkable(500, 5), -1);
    EXPECT_EQ(world().isWalkable(5, 499), 0);
    EXPECT_EQ(world().isWalkable(499, 5), 0);
}

TEST_F(GameWorldTest, RoundObstacleBlocksStrictlyInsideItsRadius)
{
    openBlock(world(), 5, 5, 15, 15);
    world().addRoundCollision(vector3df(100.0f, 0.0f, 100.0f), 5);
    EXPECT_FALSE(world().collides(vector3df(105.0f, 0.0f, 100.0f), false));
    EXPECT_TRUE(world().collides(vector3df(104.99f, 0.0f, 100.0f), false));
    EXPECT_TRUE(world().collides(vector3df(100.0f, 40.0f, 104.0f), false)); // measured on the ground
    EXPECT_FALSE(world().collides(vector3df(104.99f, 0.0f, 100.0f), true));
    EXPECT_FALSE(world().collides(vector3df(100.0f, 0.0f, 100.0f), true));
}

TEST_F(GameWorldTest, PathSamplesFromTheStartButNeverTheEnd)
{
    // Both ends blocked and closer than one sample step: free.
    EXPECT_TRUE(world().isPathFree(vector3df(100.0f, 0.0f, 100.0f), vector3df(102.0f, 0.0f, 100.0f), false));
    EXPECT_TRUE(world().isPathFree(vector3df(100.0f, 0.0f, 100.0f), vector3df(100.0f, 0.0f, 100.0f), false));

    openBlock(world(), 10, 10, 20, 10);
    // The start is tested once there is a step.
    EXPECT_FALSE(world().isPathFree(vector3df(50.0f, 0.0f, 100.0f), vector3df(150.0f, 0.0f, 100.0f), true));
    // The end lies in a blocked cell but is never sampled: the last sample is 2.5 before it.
    EXPECT_TRUE(world().collides(vector3df(203.0f, 0.0f, 100.0f), true));
    EXPECT_TRUE(world().isPathFree(vector3df(150.0f, 0.0f, 100.0f), vector3df(203.0f, 0.0f, 100.0f), true));
    EXPECT_FALSE(world().isPathFree(vector3df(150.0f, 0.0f, 100.0f), vector3df(213.0f, 0.0f, 100.0f), true));

    world().addRoundCollision(vector3df(150.0f, 0.0f, 100.0f), 2);
    EXPECT_FALSE(world().isPathFree(vector3df(120.0f, 0.0f, 100.0f), vector3df(180.0f, 0.0f, 100.0f), false));
    EXPECT_TRUE(world().isPathFree(vector3df(120.0f, 0.0f, 100.0f), vector3df(180.0f, 0.0f, 100.0f), true));
}

TEST_F(GameWorldTest, PathsAcrossTheGridAndFarBeyondItAnswerCorrectly)
{
    openBlock(world(), 1, 1, 499, 499);
    EXPECT_TRUE(world().isPathFree(vector3df(20.0f, 0.0f, 20.0f), vector3df(4980.0f, 0.0f, 4980.0f), true));
    EXPECT_FALSE(world().isPathFree(vector3df(20.0f, 0.0f, 20.0f), vector3df(3e37f, 0.0f, 20.0f), true));
    EXPECT_FALSE(world().isPathFree(vector3df(-3e38f, 0.0f, 20.0f), vector3df(3e38f, 0.0f, 20.0f), true));
}

TEST_F(GameWorldTest, VisibleCellsOfAClosedRoomHoldOnlyTheRoom)
{
    openBlock(world(), 20, 20, 20, 20);
    EXPECT_EQ(world().getVisibleCells(Cell(20, 20)), std::vector<Cell>{Cell(20, 20)});

    // A blocked viewpoint or one far outside still gives the cell itself.
    EXPECT_EQ(world().getVisibleCells(Cell(40, 40)), std::vector<Cell>{Cell(40, 40)});
    const Cell far(std::numeric_limits<irr::s32>::max(), std::numeric_limits<irr::s32>::min());
    EXPECT_EQ(world().getVisibleCells(far), std::vector<Cell>{far});
}

TEST_F(GameWorldTest, VisibleCellsOfAnOpenHallFollowTheDiamondOrder)
{
    openBlock(world(), 40, 40, 60, 60);
    const std::vector<Cell> visible = world().getVisibleCells(Cell(50, 50));
    const std::vector<Cell> expected = {
        {50, 50}, {51, 50}, {49, 50}, {50, 51}, {50, 49}, {48, 50}, {49, 51}, {50, 52}, {51, 51},
        {52, 50}, {51, 49}, {50, 48}, {49, 49}, {47, 50}, {48, 51}, {49, 52}, {50, 53}, {51, 52},
        {52, 51}, {53, 50}, {52, 49}, {51, 48}, {50, 47}, {49, 48}, {48, 49}};
    EXPECT_EQ(visible, expected);
    const std::set<std::pair<irr::s32, irr::s32>> unique = [&] {
        std::set<std::pair<irr::s32, irr::s32>> cells;
        for (const Cell& cell : visible)
            cells.insert({cell.X, cell.Y});
        return cells;
    }();
    EXPECT_EQ(unique.size(), visible.size());
}

TEST_F(GameWorldTest, VisibleCellsStopAtAWallAndKeepTheirOrder)
{
    openBlock(world(), 40, 40, 60, 60);
    world().setWalkable(MapCoord(51, 0, 50), false); // a pillar east of the viewer
    const std::vector<Cell> visible = world().getVisibleCells(Cell(50, 50));
    // The pillar itself and everything behind it along the axis is hidden.
    for (const Cell& hidden : {Cell(51, 50), Cell(52, 50), Cell(53, 50)})
        EXPECT_EQ(std::count(visible.begin(), visible.end(), hidden), 0) << hidden.X << ", " << hidden.Y;
    ASSERT_GE(visible.size(), 4u);
    EXPECT_EQ(visible[0], Cell(50, 50));
    EXPECT_EQ(visible[1], Cell(49, 50));
    EXPECT_EQ(visible.back(), Cell(48, 49));
}

TEST_F(GameWorldTest, VisibleCellsAtTheGridEdgeStayInsideTheStorage)
{
    openBlock(world(), 0, 0, 499, 499);
    for (const Cell& corner : {Cell(1, 1), Cell(499, 499), Cell(0, 250)})
    {
        for (const Cell& cell : world().getVisibleCells(corner))
        {
            EXPECT_GE(cell.X, 0);
            EXPECT_LE(cell.X, 499);
            EXPECT_GE(cell.Y, 0);
            EXPECT_LE(cell.Y, 499);
        }
    }
}

TEST_F(GameWorldTest, ItemsAreFoundCloserThanThirteenUnits)
{
    world().addItem(vector3df(100.0f, 0.0f, 100.0f), 7, Belgarune::PieceKind::Instrument);
    world().addItem(vector3df(105.0f, 0.0f, 100.0f), 9, Belgarune::PieceKind::Map);
    EXPECT_EQ(world().findItemNear(vector3df(113.0f, 0.0f, 100.0f))->id, 9u);
    EXPECT_EQ(world().findItemNear(vector3df(118.0f, 0.0f, 100.0f)), nullptr);
    EXPECT_EQ(world().findItemNear(vector3df(100.0f, 13.0f, 100.0f)), nullptr); // three-dimensional
    EXPECT_EQ(world().findItemNear(vector3df(100.0f, 0.0f, 112.99f))->kind, Belgarune::PieceKind::Instrument);

    Belgarune::GameItem* first = world().findItemNear(vector3df(101.0f, 0.0f, 100.0f));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->id, 7u);
    world().removeItem(first);
    EXPECT_EQ(world().findItemNear(vector3df(101.0f, 0.0f, 100.0f))->id, 9u);
    world().removeItem(nullptr);
    EXPECT_NE(world().findItemNear(vector3df(101.0f, 0.0f, 100.0f)), nullptr);
}

TEST_F(GameWorldTest, ActorsAreFoundByIdInTheOrderAdded)
{
    EXPECT_EQ(world().getActorById(0), nullptr);
    GameActor* first = world().addActor(makeActor(4));
    GameActor* second = world().addActor(makeActor(4));
    GameActor* player = world().addActor(makeActor(0));
    EXPECT_NE(first, second);
    EXPECT_EQ(world().getActorById(4), first);
    EXPECT_EQ(world().getActorById(0), player);
    EXPECT_EQ(world().getActorById(5), nullptr);
    EXPECT_EQ(world().getPlayer(), nullptr);
    world().setPlayer(player);
    EXPECT_EQ(world().getPlayer(), player);
}
