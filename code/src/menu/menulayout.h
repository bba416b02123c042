#pragma once
// Where the title menu puts its pictures for a screen size, and how its parts slide in.

#include <dimension2d.h>
#include <irrTypes.h>
#include <rect.h>

namespace Belgarune
{
//! Six song pictures, two columns by three rows.
constexpr irr::u32 kSongPictureCount = 6;

//! The ornament strip at the texture's aspect over the screen's full height,
//! centred on centreX. The texture must have a size.
irr::core::rect<irr::s32> stripRect(const irr::core::dimension2du& screen, const irr::core::dimension2du& texture,
                                    irr::s32 centreX);
//! The strip's centre at rest, a quarter of the screen's width, moved in by slide (0..1).
irr::s32 stripCentre(const irr::core::dimension2du& screen, irr::f32 slide);
//! Three quarters of the screen wide at the top, at the texture's aspect. The
//! texture must have a size.
irr::core::rect<irr::s32> titleRect(const irr::core::dimension2du& screen, const irr::core::dimension2du& texture);
//! Song picture index (0..5) in the lower right area, row by row, left column first.
irr::core::rect<irr::s32> songRect(const irr::core::dimension2du& screen, irr::u32 index);
//! 0 at the start of a slide, easing out to 1 after 250 ms.
irr::f32 slideFactor(irr::u32 elapsedMs);
} // namespace Belgarune
