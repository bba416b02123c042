#pragma once
// What the world, the map reader and the actors ask of the dungeon view.

#include "code/src/world/floorcode.h"
#include "code/src/world/piecekind.h"
#include "code/src/world/wallcodes.h"

#include <irrTypes.h>
#include <vector3d.h>

namespace irr
{
namespace scene
{
class ISceneNode;
}
} // namespace irr

namespace Belgarune
{
struct MapCoord;

//! Implemented by the dungeon view; callers never own it.
class IDungeonView
{
public:
    virtual ~IDungeonView() = default;

    // Level pieces on a cell.
    virtual void placeFloor(const MapCoord& cell, FloorCode code) = 0;
    virtual void placeWall(const MapCoord& cell, WallType type, WallSide side) = 0;
    //! Bars type 2 or any other; listed under the id.
    virtual void placeBars(const MapCoord& cell, irr::s32 barsType, WallSide side, irr::s32 id) = 0;
    //! Kinds Panel..Platform, with the look's variant; other kinds place nothing.
    virtual void placeObject(PieceKind kind, const MapCoord& cell, irr::s32 variant, WallSide facing,
                             irr::s32 id) = 0;
    //! Lets the map view rebuild its picture from the grid.
    virtual void refreshMapView() = 0;
    //! Places the player camera and the sound listener.
    virtual void setCameraPose(const irr::core::vector3df& position, const irr::core::vector3df& target) = 0;
    //! The player played tone 0..4: a note on the note sheet, lit letters nearby.
    virtual void notifyTonePlayed(irr::u32 tone) = 0;
    //! Called every frame for each tone 0..4: raised while it is held, lowered otherwise.
    virtual void raiseToneGlow(irr::u32 tone) = 0;
    virtual void lowerToneGlow(irr::u32 tone) = 0;
    //! The placed object listed under the id, or null; the scene owns it.
    virtual irr::scene::ISceneNode* getObject(irr::s32 id) = 0;
};
} // namespace Belgarune
