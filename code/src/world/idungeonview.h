#pragma once
// What the world, the map reader and the actors ask of the dungeon view.

#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
struct MapCoord;

//! Implemented by the dungeon view; callers never own it.
class IDungeonView
{
public:
    virtual ~IDungeonView() = default;

    //! Builds a level piece on a cell: kind 0 floor (first = floor code),
    //! 1 wall (first = wall code, second = side 1..4), 2 bars, 3..19 objects.
    virtual void placeObject(irr::s32 kind, const MapCoord& cell, irr::s32 first, irr::s32 second,
                             irr::s32 third) = 0;
    //! Lets the map view rebuild its picture from the grid.
    virtual void refreshMapView() = 0;
    //! Places the player camera and the sound listener.
    virtual void setCameraPose(const irr::core::vector3df& position, const irr::core::vector3df& target) = 0;
};
} // namespace Belgarune
