// The shipped patrol graph: every mask walks floor on straight free lines, never
// stalls on a node, and keeps to a group of its own.

#include "code/src/world/nodegraph.h"
#include "tests/data/scriptcalls.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace
{
using Belgarune::Node;

//! The world position of a map cell's centre.
irr::core::vector3df cellCentre(irr::s32 x, irr::s32 y)
{
    return irr::core::vector3df(10.0f * static_cast<irr::f32>(x), 0.0f, 5000.0f - 10.0f * static_cast<irr::f32>(y));
}

class PatrolGraphTest : public datatest::BuiltLevelTest
{
protected:
    void SetUp() override
    {
        BuiltLevelTest::SetUp();
        ASSERT_TRUE(m_graph.load(datatest::gameFile("gamedata/nodes.txt")));
        ASSERT_FALSE(m_graph.getNodes().empty());
    }

    //! The round obstacles start.omx puts up, by the radius of their type.
    void addStartObstacles()
    {
        const std::map<std::wstring, irr::s32> radii = {{L"TOPF", 5}, {L"PODEST", 7}, {L"SAULE", 5}, {L"KEYSTONE", 5}};
        for (const datatest::ScriptCall& call : datatest::readScriptCalls("start.omx"))
        {
            const auto radius = radii.find(call.firstText());
            if (radius != radii.end() && call.cell)
                m_world->addRoundCollision(cellCentre(call.cellX(), call.cellY()), radius->second);
        }
    }

    Belgarune::NodeGraph m_graph;
};

std::string describe(const Node& node)
{
    return "node " + std::to_string(node.m_id);
}

TEST_F(PatrolGraphTest, NodesStandOnFloorAndLeadSomewhereElse)
{
    for (const auto& node : m_graph.getNodes())
    {
        irr::core::vector2d<irr::s32> cell;
        ASSERT_TRUE(Belgarune::GameWorld::cellOfPosition(node->m_position, cell)) << describe(*node);
        EXPECT_EQ(m_world->isWalkable(cell.X, cell.Y), 1) << describe(*node);
        bool leaves = false;
        for (const Node* neighbour : node->m_neighbours)
            leaves = leaves || neighbour != node.get();
        EXPECT_TRUE(leaves) << describe(*node);
    }
}

TEST_F(PatrolGraphTest, EveryLinkIsAFreeStraightLine)
{
    addStartObstacles();
    for (const auto& node : m_graph.getNodes())
        for (const Node* neighbour : node->m_neighbours)
            EXPECT_TRUE(m_world->isPathFree(node->m_position, neighbour->m_position, false))
                << describe(*node) << " to " << describe(*neighbour);
}

TEST_F(PatrolGraphTest, EachMaskStartsInAGroupOfItsOwn)
{
    std::map<const Node*, int> group;
    int groups = 0;
    for (const auto& node : m_graph.getNodes())
    {
        if (group.count(node.get()))
            continue;
        std::vector<const Node*> open = {node.get()};
        group[node.get()] = ++groups;
        while (!open.empty())
        {
            const Node* next = open.back();
            open.pop_back();
            for (const Node* neighbour : next->m_neighbours)
                if (group.emplace(neighbour, groups).second)
                    open.push_back(neighbour);
        }
    }
    std::set<int> taken;
    int masks = 0;
    for (const datatest::ScriptCall& call : datatest::readScriptCalls("start.omx"))
    {
        const std::wstring& type = call.firstText();
        if (type != L"ENEMY_1" && type != L"ENEMY_2" && type != L"ENEMY_3")
            continue;
        ++masks;
        const std::string where = "mask at " + std::to_string(call.cellX()) + "," + std::to_string(call.cellY());
        const Node* start = m_graph.findNearestNode(cellCentre(call.cellX(), call.cellY()));
        ASSERT_NE(start, nullptr) << where;
        EXPECT_TRUE(taken.insert(group[start]).second) << where;
    }
    EXPECT_EQ(masks, 3);
}
} // namespace
