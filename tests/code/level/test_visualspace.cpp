// The spatial grid on the null driver: filing, visibility by the viewer's cell, objects by id.

#include "code/src/level/visualspace.h"
#include "talvoren/shadermanager.h"
#include "tests/support/levelassets.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <cmath>

using Belgarune::VisualSpace;
using irr::core::vector3df;

namespace
{
class VisualSpaceTest : public ::testing::Test
{
protected:
    VisualSpaceTest()
        : m_device(testlevel::createNullDevice()), m_scene(m_device->getSceneManager()),
          m_shaders(m_device->getVideoDriver()), m_space(m_scene, &m_shaders)
    {
    }
    ~VisualSpaceTest() override { m_device->drop(); }

    irr::scene::ISceneNode* filedAt(const vector3df& position, irr::s32 id = -1)
    {
        irr::scene::ISceneNode* node = m_scene->addEmptySceneNode(nullptr, id);
        node->setPosition(position);
        m_space.addNode(node);
        return node;
    }

    //! A node filed in the middle of every space cell.
    void fileEveryCell()
    {
        for (irr::s32 i = 0; i < VisualSpace::kCellCount; ++i)
            for (irr::s32 j = 0; j < VisualSpace::kCellCount; ++j)
                m_grid[i][j] = filedAt(vector3df(100.0f * i + 50.0f, 0.0f, 100.0f * j + 50.0f));
    }

    //! The cells whose node is visible, as a sorted list.
    std::vector<VisualSpace::Cell> visibleCells() const
    {
        std::vector<VisualSpace::Cell> cells;
        for (irr::s32 i = 0; i < VisualSpace::kCellCount; ++i)
            for (irr::s32 j = 0; j < VisualSpace::kCellCount; ++j)
                if (m_grid[i][j]->isVisible())
                    cells.emplace_back(i, j);
        return cells;
    }

    static std::vector<VisualSpace::Cell> block(irr::s32 x0, irr::s32 y0, irr::s32 x1, irr::s32 y1)
    {
        std::vector<VisualSpace::Cell> cells;
        for (irr::s32 i = x0; i <= x1; ++i)
            for (irr::s32 j = y0; j <= y1; ++j)
                cells.emplace_back(i, j);
        return cells;
    }

    irr::IrrlichtDevice* m_device;
    irr::scene::ISceneManager* m_scene;
    Talvoren::ShaderManager m_shaders;
    VisualSpace m_space;
    irr::scene::ISceneNode* m_grid[VisualSpace::kCellCount][VisualSpace::kCellCount] = {};
};

TEST_F(VisualSpaceTest, CellsTruncateTowardZeroSoTheFirstCellReachesIntoNegativePositions)
{
    EXPECT_EQ(VisualSpace::cellOf(vector3df(4999.0f, 0.0f, 4999.0f)), VisualSpace::Cell(49, 49));
    EXPECT_EQ(VisualSpace::cellOf(vector3df(-50.0f, 7.0f, 20.0f)), VisualSpace::Cell(0, 0));
    EXPECT_EQ(VisualSpace::cellOf(vector3df(-99.99f, 0.0f, 99.99f)), VisualSpace::Cell(0, 0));
    EXPECT_EQ(VisualSpace::cellOf(vector3df(-100.0f, 0.0f, 20.0f)), VisualSpace::Cell(-1, 0));
    EXPECT_EQ(VisualSpace::cellOf(vector3df(120.0f, -5.0f, 3000.0f)), VisualSpace::Cell(1, 30));
}

TEST_F(VisualSpaceTest, FarAwayPositionsLieBeyondTheGridOnTheirSide)
{
    EXPECT_GT(VisualSpace::cellOf(vector3df(1.0e30f, 0.0f, 0.0f)).X, VisualSpace::kCellCount);
    EXPECT_LT(VisualSpace::cellOf(vector3df(0.0f, 0.0f, -1.0e30f)).Y, 0);
    EXPECT_FALSE(VisualSpace::isInside(VisualSpace::cellOf(vector3df(std::nanf(""), 0.0f, 10.0f))));

    fileEveryCell();
    testing::internal::CaptureStderr();
    filedAt(vector3df(1.0e30f, 0.0f, 10.0f));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Cannot add Node to space: Position out of range!"),
              std::string::npos);
    // A viewer far beyond the grid sees none of it.
    m_space.updateVisibility(vector3df(1.0e30f, 0.0f, 550.0f));
    EXPECT_TRUE(visibleCells().empty());
    m_space.updateVisibility(vector3df(std::nanf(""), 0.0f, 550.0f));
    EXPECT_TRUE(visibleCells().empty());
}

TEST_F(VisualSpaceTest, FilesInsideTheGridAndRejectsPositionsOutsideWithAnError)
{
    irr::scene::ISceneNode* corner = filedAt(vector3df(4999.0f, 0.0f, 4999.0f));
    irr::scene::ISceneNode* nearOrigin = filedAt(vector3df(-50.0f, 0.0f, 20.0f));
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(49, 49))[0], corner);
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(0, 0))[0], nearOrigin);

    for (const vector3df& outside :
         {vector3df(5000.0f, 0.0f, 10.0f), vector3df(10.0f, 0.0f, 5000.0f), vector3df(-100.0f, 0.0f, 20.0f)})
    {
        testing::internal::CaptureStderr();
        irr::scene::ISceneNode* rejected = filedAt(outside);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("Cannot add Node to space: Position out of range!"),
                  std::string::npos);
        // Never hidden: it belongs to no cell.
        m_space.updateVisibility(vector3df(2500.0f, 0.0f, 2500.0f));
        m_space.updateVisibility(vector3df(50.0f, 0.0f, 50.0f));
        EXPECT_TRUE(rejected->isVisible());
    }
}

TEST_F(VisualSpaceTest, NodesAreFiledTwiceWhenAddedTwice)
{
    irr::scene::ISceneNode* node = filedAt(vector3df(250.0f, 0.0f, 250.0f));
    m_space.addNode(node);
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(2, 2)).size(), 2u);
    m_space.removeNode(node);
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(2, 2)).size(), 1u);
}

TEST_F(VisualSpaceTest, TheViewerSeesTheNineCellsAroundHisOwn)
{
    fileEveryCell();
    m_space.updateVisibility(vector3df(2550.0f, 3.0f, 1250.0f));
    EXPECT_EQ(visibleCells(), block(24, 11, 26, 13));

    m_space.updateVisibility(vector3df(50.0f, 0.0f, 550.0f)); // cell (0, 5)
    EXPECT_EQ(visibleCells(), block(0, 4, 1, 6));

    m_space.updateVisibility(vector3df(4950.0f, 0.0f, 4950.0f)); // cell (49, 49)
    EXPECT_EQ(visibleCells(), block(48, 48, 49, 49));
}

TEST_F(VisualSpaceTest, AViewerInTheFirstCellOrBelowSeesNothing)
{
    fileEveryCell();
    m_space.updateVisibility(vector3df(50.0f, 0.0f, 50.0f));
    EXPECT_TRUE(visibleCells().empty());
    m_space.updateVisibility(vector3df(300.0f, 0.0f, 300.0f));
    m_space.updateVisibility(vector3df(-250.0f, 0.0f, -700.0f));
    EXPECT_TRUE(visibleCells().empty());
}

TEST_F(VisualSpaceTest, VisibilityChangesOnlyWhenTheViewerCrossesACellBorder)
{
    fileEveryCell();
    m_space.updateVisibility(vector3df(150.0f, 0.0f, 1050.0f));
    EXPECT_EQ(visibleCells(), block(0, 9, 2, 11));

    // Moving within the cell leaves a change made meanwhile alone.
    m_grid[30][30]->setVisible(true);
    m_space.updateVisibility(vector3df(199.9f, 0.0f, 1099.0f));
    EXPECT_TRUE(m_grid[30][30]->isVisible());

    m_space.updateVisibility(vector3df(200.1f, 0.0f, 1099.0f));
    EXPECT_EQ(visibleCells(), block(1, 9, 3, 11));
}

TEST_F(VisualSpaceTest, UntilTheFirstUpdateEveryFiledNodeIsVisible)
{
    fileEveryCell();
    EXPECT_EQ(visibleCells().size(), 2500u);
}

TEST_F(VisualSpaceTest, ObjectsAreFoundByIdAndTheFirstOfASharedIdIsRemovedAlone)
{
    irr::scene::ISceneNode* first = filedAt(vector3df(110.0f, 0.0f, 110.0f), 7);
    irr::scene::ISceneNode* second = filedAt(vector3df(120.0f, 0.0f, 110.0f), 7);
    irr::scene::ISceneNode* other = filedAt(vector3df(130.0f, 0.0f, 110.0f), 8);
    m_space.registerObject(first);
    m_space.registerObject(second);
    m_space.registerObject(other);
    EXPECT_EQ(m_space.findObject(7), first);
    EXPECT_EQ(m_space.getObject(8), other);
    EXPECT_EQ(m_space.findObject(9), nullptr);

    m_space.removeObject(7);
    EXPECT_EQ(m_space.findObject(7), second);
    EXPECT_EQ(m_space.getObjects().size(), 2u);
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(1, 1)).size(), 2u);
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(1, 1)).linear_search(second), 0);
}

TEST_F(VisualSpaceTest, RemovingAnUnknownIdChangesNothingAndLogsNothing)
{
    irr::scene::ISceneNode* node = filedAt(vector3df(110.0f, 0.0f, 110.0f), 3);
    m_space.registerObject(node);
    testing::internal::CaptureStderr();
    m_space.removeObject(4);
    m_space.destroyObject(4);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(m_space.findObject(3), node);
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(1, 1)).size(), 1u);
}

TEST_F(VisualSpaceTest, AMovedObjectIsRemovedFromTheCellItWasFiledIn)
{
    irr::scene::ISceneNode* node = filedAt(vector3df(110.0f, 0.0f, 110.0f), 5);
    m_space.registerObject(node);
    node->setPosition(vector3df(2510.0f, 0.0f, 2510.0f));
    m_space.removeObject(5);
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(1, 1)).size(), 0u);
    EXPECT_EQ(m_space.findObject(5), nullptr);
    // The old cell no longer points at the released node.
    m_space.updateVisibility(vector3df(150.0f, 0.0f, 150.0f));
}

TEST_F(VisualSpaceTest, DestroyingAnObjectUnfilesItAndTheShaderManagerForgetsIt)
{
    m_shaders.addShader("", "", "env", irr::video::EMT_SOLID, nullptr);
    irr::scene::ISceneNode* cube = m_scene->addCubeSceneNode(10.0f, nullptr, 6, vector3df(310.0f, 0.0f, 10.0f));
    ASSERT_TRUE(m_shaders.setShader(cube, "env", 0, true));
    m_space.addNode(cube);
    m_space.registerObject(cube);
    cube->setPosition(vector3df(4000.0f, 0.0f, 10.0f));

    m_space.destroyObject(6);
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(3, 0)).size(), 0u);
    EXPECT_EQ(m_shaders.findEntry("env")->nodes.size(), 0u);
    EXPECT_EQ(m_scene->getRootSceneNode()->getChildren().size(), 0u);
}

TEST_F(VisualSpaceTest, RemovingAnUnfiledNodeOutsideTheGridLogsAnError)
{
    irr::scene::ISceneNode* node = m_scene->addEmptySceneNode(nullptr, 4);
    node->setPosition(vector3df(6000.0f, 0.0f, 10.0f));
    m_space.registerObject(node);
    testing::internal::CaptureStderr();
    m_space.removeObject(4);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Cannot remove Node from space: Position out of range!"),
              std::string::npos);
    EXPECT_EQ(m_space.findObject(4), nullptr);
}
} // namespace
