#pragma once
// A point of the enemies' patrol graph.

#include <irrTypes.h>
#include <vector3d.h>

#include <vector>

namespace Belgarune
{
//! Owned by the node graph, as are its neighbours.
struct Node
{
    irr::core::vector3df m_position;
    irr::s32 m_id = 0;
    //! In the order the connections were read; a node may stand twice.
    std::vector<Node*> m_neighbours;
};
} // namespace Belgarune
