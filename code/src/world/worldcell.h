#pragma once
// One cell of the world grid.

#include <irrTypes.h>

namespace Belgarune
{
struct WorldCell
{
    //! Floor kind code of the map (0 = nothing).
    irr::s32 kind = 0;
    //! 1 = free, anything else = blocked.
    irr::s32 walkable = 0;
};
} // namespace Belgarune
