#pragma once
// Wall types and the sides of a cell that walls, bars and objects face.

#include <irrTypes.h>

namespace Belgarune
{
//! Numbers outside 1..7 keep their value and have no wall piece.
enum class WallType : irr::s32
{
    None = 0,
    Large = 1,
    Stone = 2,
    StoneCracked = 3,
    Creepy = 4,
    Dark = 5,
    StoneCarved = 6,
    LargeLight = 7,
};

//! The edge of a cell a wall stands on; objects turn towards it (facing).
//! Numbers outside 1..4 keep their value and turn or shift nothing.
enum class WallSide : irr::s32
{
    None = 0,
    PlusZ = 1,
    MinusZ = 2,
    PlusX = 3,
    MinusX = 4,
};
} // namespace Belgarune
