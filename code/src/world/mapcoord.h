#pragma once
// A cell of the world grid as the game's scripts and map spell it.

#include <irrTypes.h>
#include <vector2d.h>
#include <vector3d.h>

namespace Belgarune
{
//! Grid setters read x as the first and z as the second cell index; y is 0
//! wherever the game builds one.
struct MapCoord
{
    MapCoord() = default;
    MapCoord(irr::s32 cellX, irr::s32 cellY, irr::s32 cellZ) : x(cellX), y(cellY), z(cellZ) {}

    irr::s32 x = 0;
    irr::s32 y = 0;
    irr::s32 z = 0;
};

//! The centre of the cell on the floor: (10 x, 0, 10 z).
irr::core::vector3df cellCentre(const MapCoord& cell);
//! The centre of the cell at the cell's own height: (10 x, y, 10 z).
irr::core::vector3df cellPosition(const MapCoord& cell);

//! Map coordinate (x, y) to the world position of its cell's centre:
//! (10 x, 0, 5000 - 10 y). Any pair of integers converts without overflow.
irr::core::vector3df gridToWorld(const irr::core::vector2d<irr::s32>& mapCoord);
} // namespace Belgarune
