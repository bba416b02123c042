#pragma once
// One cell of the world grid.

#include "code/src/world/floorcode.h"

#include <irrTypes.h>

namespace Belgarune
{
struct WorldCell
{
    FloorCode kind = FloorCode::None;
    //! 1 = free, anything else = blocked.
    irr::s32 walkable = 0;
};
} // namespace Belgarune
