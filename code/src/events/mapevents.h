#pragma once
// Events that change the dungeon's grid and its objects.

#include "code/src/world/floorcode.h"
#include "code/src/world/mapcoord.h"
#include "code/src/world/piecekind.h"
#include "code/src/world/wallcodes.h"
#include "talvoren/ieventdata.h"

#include <irrString.h>
#include <irrTypes.h>
#include <optional>
#include <vector2d.h>

namespace Belgarune
{
//! A floor, wall or bars piece set by a script; the sender fills the fields.
class ModifyMapEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    const HashedString& getEventType() const override { return kEventType; }

    //! Floor, Wall or Bars; none for any other kind.
    std::optional<PieceKind> pieceKind() const;
    //! The value as a floor's code or a wall's type.
    FloorCode floorCode() const { return static_cast<FloorCode>(m_value); }
    WallType wallType() const { return static_cast<WallType>(m_value); }
    //! value2 as a wall's or the bars' side.
    WallSide side() const { return static_cast<WallSide>(m_value2); }

    MapCoord m_cell;
    irr::s32 m_value = 0;
    irr::s32 m_value2 = 0;
    //! 0 floor, 1 wall, 2 bars.
    irr::s32 m_kind = 0;
};

//! Places an actor on a cell; the sender fills the fields.
class PlaceObjectEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    const HashedString& getEventType() const override { return kEventType; }

    MapCoord m_cell;
    //! 0 = the player.
    irr::u32 m_actorId = 0;
};

class CreateObjectEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    CreateObjectEvent(const irr::core::stringw& typeName, irr::u32 objectId, const MapCoord& cell, irr::s32 a,
                      irr::s32 b);
    const HashedString& getEventType() const override { return kEventType; }

    //! a as a placed object's facing (b is its variant).
    WallSide facing() const { return static_cast<WallSide>(m_a); }

    irr::core::stringw m_typeName;
    irr::u32 m_objectId;
    MapCoord m_cell;
    irr::s32 m_a;
    irr::s32 m_b;
};

class SetWalkableEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    SetWalkableEvent(const irr::core::vector2d<irr::s32>& cell, bool walkable);
    const HashedString& getEventType() const override { return kEventType; }

    //! Grid indices; the second is z.
    irr::core::vector2d<irr::s32> m_cell;
    bool m_walkable;
};

class AddRespawnPointEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    AddRespawnPointEvent(const irr::core::vector2d<irr::s32>& cell, irr::u32 radius);
    const HashedString& getEventType() const override { return kEventType; }

    //! Grid indices.
    irr::core::vector2d<irr::s32> m_cell;
    irr::u32 m_radius;
};

class RemoveObjectEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit RemoveObjectEvent(irr::u32 objectId);
    const HashedString& getEventType() const override { return kEventType; }

    irr::u32 m_objectId;
};
} // namespace Belgarune
