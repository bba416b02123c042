#pragma once
// The floor and wall codes that map.png spells as colours.

#include "code/src/world/floorcode.h"
#include "code/src/world/wallcodes.h"

#include <SColor.h>

namespace Belgarune
{
//! Floor code Plain..Dark of an opaque colour; None for every other colour.
FloorCode decodeMapColor(const irr::video::SColor& color);
//! Wall type Large..LargeLight of an opaque colour; None for every other colour.
WallType decodeWallColor(const irr::video::SColor& color);
} // namespace Belgarune
