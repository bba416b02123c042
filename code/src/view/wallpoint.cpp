#include "code/src/view/wallpoint.h"

#include "code/src/world/mapcoord.h"

namespace Belgarune
{
irr::core::vector3df wallPoint(const irr::core::vector2d<irr::s32>& mapCell, WallSide side, irr::f32 height,
                               bool raised)
{
    irr::core::vector3df point = gridToWorld(mapCell);
    point.Y = height;
    switch (side)
    {
    case WallSide::PlusZ:
        point.Z += 5.5f;
        if (raised)
            point.X -= 7.0f;
        break;
    case WallSide::MinusZ:
        point.Z -= 5.5f;
        if (raised)
            point.X -= 3.0f;
        break;
    case WallSide::PlusX:
        point.X -= 5.5f;
        if (raised)
            point.Z += 3.0f;
        break;
    case WallSide::MinusX:
        point.X += 5.5f;
        if (raised)
            point.Z += 3.0f;
        break;
    default:
        break;
    }
    return point;
}
} // namespace Belgarune
