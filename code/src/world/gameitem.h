#pragma once
// An item lying in the dungeon that the player can pick up.

#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
struct GameItem
{
    irr::core::vector3df position;
    //! The object id that created it.
    irr::u32 id = 0;
    //! Object kind: 8 instrument, 13 map, 15 to 17 the three keys.
    irr::u32 kind = 0;
};
} // namespace Belgarune
