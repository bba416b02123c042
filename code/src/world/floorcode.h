#pragma once
// Floor codes: what map.png's floor colours spell, what a grid cell holds as
// its kind and which floor tile the view lays.

#include <irrTypes.h>

namespace Belgarune
{
//! A script may set any number as a cell's kind; numbers without a name keep
//! their value (their tile has no textures).
enum class FloorCode : irr::s32
{
    None = 0,
    Plain = 1,
    Patterned = 2,
    //! Only in map.png: a plain floor that stays blocked and is not drawn.
    Sealed = 3,
    //! Gloomy and Dark floors let the darkness grow.
    Gloomy = 4,
    Dark = 5,
    //! Only in cells: a dark floor next to a plain one above or below on the map.
    DarkEdge = 6,
};
} // namespace Belgarune
