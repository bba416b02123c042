#pragma once
// The floor and wall codes that map.png spells as colours.

#include <SColor.h>
#include <irrTypes.h>

namespace Belgarune
{
//! Floor code 1..5 of an opaque colour; 0 for every other colour.
irr::s32 decodeMapColor(const irr::video::SColor& color);
//! Wall code 1..7 of an opaque colour; 0 for every other colour.
irr::s32 decodeWallColor(const irr::video::SColor& color);
} // namespace Belgarune
