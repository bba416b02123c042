#include "code/src/events/mapevents.h"

namespace Belgarune
{
const HashedString ModifyMapEvent::kEventType("ModifyMapEvent");
const HashedString PlaceObjectEvent::kEventType("PlaceObjectEvent");
const HashedString CreateObjectEvent::kEventType("CreateObjectEvent");
const HashedString SetWalkableEvent::kEventType("SetWalkableEvent");
const HashedString AddRespawnPointEvent::kEventType("AddRespawnPointEvent");
const HashedString RemoveObjectEvent::kEventType("RemoveObjectEvent");

std::optional<PieceKind> ModifyMapEvent::pieceKind() const
{
    const std::optional<PieceKind> kind = toPieceKind(m_kind);
    if (kind && *kind > PieceKind::Bars)
        return std::nullopt;
    return kind;
}

CreateObjectEvent::CreateObjectEvent(const irr::core::stringw& typeName, irr::u32 objectId, const MapCoord& cell,
                                     irr::s32 a, irr::s32 b)
    : m_typeName(typeName), m_objectId(objectId), m_cell(cell), m_a(a), m_b(b)
{
}

SetWalkableEvent::SetWalkableEvent(const irr::core::vector2d<irr::s32>& cell, bool walkable)
    : m_cell(cell), m_walkable(walkable)
{
}

AddRespawnPointEvent::AddRespawnPointEvent(const irr::core::vector2d<irr::s32>& cell, irr::u32 radius)
    : m_cell(cell), m_radius(radius)
{
}

RemoveObjectEvent::RemoveObjectEvent(irr::u32 objectId) : m_objectId(objectId)
{
}
} // namespace Belgarune
