#pragma once
// The enemies' patrol graph, read from nodes.txt.

#include "code/src/world/node.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Belgarune
{
//! Owns its nodes; the pointers it hands out live as long as the graph.
class NodeGraph
{
public:
    static constexpr const char* kDefaultPath = "gamedata/nodes.txt";

    //! Adds the points and connections of the file; call once (a second load
    //! would add every node again). False when it cannot be opened or read to
    //! its end (what was read is kept), or when it gives no point at all.
    bool load(const std::string& path = kDefaultPath);
    //! The nearest node closer than 999 units, the first in file order on a
    //! tie; null when there is none.
    Node* findNearestNode(const irr::core::vector3df& position) const;
    //! Every node in file order, also those whose id a later node took over.
    const std::vector<std::unique_ptr<Node>>& getNodes() const { return m_nodes; }

private:
    void addPoint(const std::vector<std::string>& fields);
    void addConnection(const std::vector<std::string>& fields);

    std::map<irr::s32, Node*> m_byId;
    std::vector<std::unique_ptr<Node>> m_nodes;
};
} // namespace Belgarune
