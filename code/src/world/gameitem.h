#pragma once
// An item lying in the dungeon that the player can pick up.

#include "code/src/world/piecekind.h"

#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
struct GameItem
{
    irr::core::vector3df position;
    //! The object id that created it.
    irr::u32 id = 0;
    //! Instrument, Map or one of the three keys.
    PieceKind kind = PieceKind::Instrument;
};
} // namespace Belgarune
