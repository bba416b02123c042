#include "code/src/world/mapcoord.h"

namespace Belgarune
{
irr::core::vector3df cellCentre(const MapCoord& cell)
{
    return irr::core::vector3df(10.0f * static_cast<irr::f32>(cell.x), 0.0f, 10.0f * static_cast<irr::f32>(cell.z));
}

irr::core::vector3df cellPosition(const MapCoord& cell)
{
    irr::core::vector3df position = cellCentre(cell);
    position.Y = static_cast<irr::f32>(cell.y);
    return position;
}

irr::core::vector3df gridToWorld(const irr::core::vector2d<irr::s32>& mapCoord)
{
    // 64-bit integers keep script-given coordinates from overflowing.
    const long long x = 10LL * mapCoord.X;
    const long long z = 5000LL - 10LL * mapCoord.Y;
    return irr::core::vector3df(static_cast<irr::f32>(x), 0.0f, static_cast<irr::f32>(z));
}
} // namespace Belgarune
