#include "code/src/layout/dungeonlayout.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/nodegraph.h"
#include "tests/code/world/nodefiles.h"
#include "tests/support/quietnulldevice.h"
#include "tests/support/recordingview.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Belgarune;
using irr::core::vector3df;

namespace
{
std::vector<irr::s32> neighbourIds(const Node& node)
{
    std::vector<irr::s32> ids;
    for (const Node* neighbour : node.m_neighbours)
        ids.push_back(neighbour->m_id);
    return ids;
}
} // namespace

TEST(NodeGraphTest, ReadsPointsAndConnectionsOfBothSections)
{
    testsupport::TempWorkDir dir;
    testsupport::writeFile("gamedata/nodes.txt", "1,0,0\r\n[points]\r\n# a comment\r\n\r\n1,20,480\r\n2,22,480\r\n"
                                                 "3,22,478,9\r\n2,10,490\r\n3, 24 ,478\r\n[connections]\r\n"
                                                 "1,2\r\n3,1\r\n1,7\r\n1\r\n3,3\r\n");
    NodeGraph graph;
    ASSERT_TRUE(graph.load());
    const auto& nodes = graph.getNodes();
    ASSERT_EQ(nodes.size(), 4u); // both nodes with id 2 stay listed
    EXPECT_EQ(nodes[0]->m_position, vector3df(200.0f, 0.0f, 200.0f));
    EXPECT_EQ(nodes[3]->m_position, vector3df(240.0f, 0.0f, 220.0f));
    EXPECT_EQ(neighbourIds(*nodes[0]), (std::vector<irr::s32>{2, 3}));
    EXPECT_TRUE(nodes[1]->m_neighbours.empty()); // the id went to the later node
    EXPECT_EQ(neighbourIds(*nodes[2]), (std::vector<irr::s32>{1}));
    EXPECT_EQ(neighbourIds(*nodes[3]), (std::vector<irr::s32>{1, 3, 3}));
}

TEST(NodeGraphTest, FindsTheNearestNodeWithinReach)
{
    testsupport::TempWorkDir dir;
    testsupport::writeFile("nodes.txt", "[points]\n1,10,490\n2,30,490\n3,20,490\n4,200,400\n");
    NodeGraph graph;
    ASSERT_TRUE(graph.load("nodes.txt"));
    const std::pair<vector3df, irr::s32> cases[] = {
        {{110.0f, 5.0f, 100.0f}, 1},   {{250.0f, 0.0f, 100.0f}, 2},    {{150.0f, 0.0f, 100.0f}, 1}, // ties: file order
        {{2000.0f, 0.0f, 1000.0f}, 4}, {{3000.0f, 0.0f, 1000.0f}, -1}}; // 999 units away is too far
    for (const auto& [position, id] : cases)
    {
        const Node* nearest = graph.findNearestNode(position);
        EXPECT_EQ(nearest ? nearest->m_id : -1, id) << position.X;
    }
}

TEST(NodeGraphTest, ReportsAFileThatGivesNoPointAsUnread)
{
    testsupport::TempWorkDir dir;
    EXPECT_FALSE(NodeGraph().load("missing.txt"));
    for (const worldtest::NodeFile& file : worldtest::readableNodeFiles())
    {
        testsupport::writeFile("nodes.txt", file.text);
        NodeGraph graph;
        EXPECT_EQ(graph.load("nodes.txt"), file.points > 0) << file.name;
        EXPECT_EQ(graph.getNodes().size(), file.points) << file.name;
    }
}

class GameNodesTest : public testsupport::QuietNullDeviceTest
{
};

TEST_F(GameNodesTest, TheGamesGraphLiesOnTheFloorAndItsLinksAreOpen)
{
    auto world = std::make_unique<GameWorld>();
    testsupport::RecordingView view;
    ASSERT_TRUE(readDungeonLayout(*m_device->getVideoDriver(), BELGARUNE_GAME_DIR "/gamedata/map.png", *world, view));
    NodeGraph graph;
    ASSERT_TRUE(graph.load(BELGARUNE_DATA_DIR "/gamedata/nodes.txt"));
    ASSERT_FALSE(graph.getNodes().empty());
    for (const auto& node : graph.getNodes())
    {
        EXPECT_FALSE(world->collides(node->m_position, false)) << node->m_id;
        EXPECT_FALSE(node->m_neighbours.empty()) << node->m_id;
        for (const Node* neighbour : node->m_neighbours)
            EXPECT_TRUE(world->isPathFree(node->m_position, neighbour->m_position, false))
                << node->m_id << " to " << neighbour->m_id;
    }
}
