#include "code/src/world/nodegraph.h"

#include "code/src/world/mapcoord.h"
#include "platform/textfile.h"
#include "talvoren/stringhelpers.h"

namespace Belgarune
{
namespace
{
const irr::f32 kSearchRadius = 999.0f;

enum class Section
{
    kNone,
    kPoints,
    kConnections
};
} // namespace

bool NodeGraph::load(const std::string& path)
{
    platform::LineReader reader(path);
    if (!reader.isOpen())
        return false;

    Section section = Section::kNone;
    std::string line;
    while (reader.next(line))
    {
        if (line.empty() || line[0] == '#')
            continue;
        if (line == "[points]")
            section = Section::kPoints;
        else if (line == "[connections]")
            section = Section::kConnections;
        else if (section == Section::kPoints)
            addPoint(Talvoren::split(line, ','));
        else if (section == Section::kConnections)
            addConnection(Talvoren::split(line, ','));
    }
    return !reader.failed() && !m_nodes.empty();
}

void NodeGraph::addPoint(const std::vector<std::string>& fields)
{
    if (fields.size() != 3)
        return;
    auto node = std::make_unique<Node>();
    node->m_id = Talvoren::toInt(fields[0]);
    node->m_position =
        gridToWorld(irr::core::vector2d<irr::s32>(Talvoren::toInt(fields[1]), Talvoren::toInt(fields[2])));
    m_byId[node->m_id] = node.get();
    m_nodes.push_back(std::move(node));
}

void NodeGraph::addConnection(const std::vector<std::string>& fields)
{
    if (fields.size() != 2)
        return;
    const auto first = m_byId.find(Talvoren::toInt(fields[0]));
    const auto second = m_byId.find(Talvoren::toInt(fields[1]));
    if (first == m_byId.end() || second == m_byId.end())
        return;
    first->second->m_neighbours.push_back(second->second);
    second->second->m_neighbours.push_back(first->second);
}

Node* NodeGraph::findNearestNode(const irr::core::vector3df& position) const
{
    Node* nearest = nullptr;
    irr::f32 nearestDistance = kSearchRadius;
    for (const auto& node : m_nodes)
    {
        const irr::f32 distance = node->m_position.getDistanceFrom(position);
        if (distance < nearestDistance)
        {
            nearest = node.get();
            nearestDistance = distance;
        }
    }
    return nearest;
}
} // namespace Belgarune
