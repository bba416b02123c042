#pragma once
// Where a text written on a wall of a map cell starts.

#include "code/src/world/wallcodes.h"

#include <irrTypes.h>
#include <vector2d.h>
#include <vector3d.h>

namespace Belgarune
{
//! The map cell's world point (10 x, height, 5000 - 10 y) moved 5.5 units by
//! side: PlusZ +z, MinusZ -z, PlusX -x, MinusX +x (unlike the level's walls,
//! PlusX and MinusX swap). Raised texts sit further along the wall. Other
//! sides keep the cell's point.
irr::core::vector3df wallPoint(const irr::core::vector2d<irr::s32>& mapCell, WallSide side, irr::f32 height,
                               bool raised);
} // namespace Belgarune
