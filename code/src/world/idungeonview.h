#pragma once
// What the world, the map reader and the actors ask of the dungeon view.

#include "code/src/world/floorcode.h"
#include "code/src/world/gamestates.h"
#include "code/src/world/piecekind.h"
#include "code/src/world/wallcodes.h"

#include <irrString.h>
#include <irrTypes.h>
#include <vector3d.h>

namespace irr
{
struct SEvent;
namespace scene
{
class ISceneNode;
}
} // namespace irr

namespace Belgarune
{
struct GameItem;
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

    // What the dungeon logic asks of its view.
    //! One frame of the view.
    virtual void draw() = 0;
    virtual void onResize() = 0;
    //! Input the logic passes on; whether it was consumed.
    virtual bool OnEvent(const irr::SEvent& event) = 0;
    //! Input while the world editor is on; whether it was consumed.
    virtual bool passEventToEditor(const irr::SEvent& event) = 0;
    //! The placed object listed under the id, or null; the scene owns it.
    virtual irr::scene::ISceneNode* getObject(irr::s32 id) = 0;
    virtual void removeObject(irr::s32 id) = 0;
    //! An actor was put on a cell.
    virtual void onObjectPlaced(irr::s32 id, const MapCoord& cell) = 0;
    //! Kept within 0..1.
    virtual irr::f32 getDarkness() const = 0;
    virtual void addDarkness(irr::f32 delta) = 0;
    //! Kept within 0..1.
    virtual void addLightShift(irr::f32 delta) = 0;
    //! The death overlay's opacity, 0..1.
    virtual void setOverlayAlpha(irr::f32 alpha) = 0;
    //! The slow-down's bubble at the effect's progress 0..1.
    virtual void animateTimeBubble(irr::f32 progress) = 0;
    virtual void addNotice(const irr::core::stringw& text, irr::u32 durationMs) = 0;
    virtual void startOpeningSequence() = 0;
    //! The level music.
    virtual void pauseMusic(bool paused) = 0;
    virtual void setGameState(GameState state) = 0;
    //! The note sheet's lines: playable or not.
    virtual void setScoreLineStyle(bool playable) = 0;
    //! The item the player can pick up now, or null; the world owns it.
    virtual GameItem* getItemInReach() const = 0;
    virtual void clearItemInReach() = 0;
    //! The hearts; they change GameBase::m_hp.
    virtual void loseHeart() = 0;
    virtual void gainHeart() = 0;
};
} // namespace Belgarune
