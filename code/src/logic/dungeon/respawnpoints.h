#pragma once
// The places the player returns to after a death.

#include "code/src/world/mapcoord.h"

#include <irrTypes.h>
#include <vector3d.h>

#include <vector>

namespace Belgarune
{
struct RespawnPoint
{
    MapCoord cell;
    //! World units around the cell's centre.
    irr::s32 radius;
};

class RespawnPoints
{
public:
    //! The first point added becomes the current one.
    void add(const MapCoord& cell, irr::s32 radius);
    //! The last point whose radius holds the position becomes current; none keeps it.
    void updateCurrent(const irr::core::vector3df& position);
    //! Null until a point is added.
    const RespawnPoint* getCurrent() const;

private:
    std::vector<RespawnPoint> m_points;
    //! Index into the points; -1 for none.
    int m_current = -1;
};
} // namespace Belgarune
