#pragma once
// Device values derived at start-up from the settings read from game.ini.

#include <dimension2d.h>
#include <irrTypes.h>

#include <functional>

namespace Belgarune
{
//! Clamped to 0..16 and snapped to 0, 1, 2, 4, 8 or 16 (3 -> 2, 5..7 -> 4, 9..15 -> 16).
irr::u8 deriveAntiAlias(irr::s32 level);

//! A way of asking for the desktop size; 0 x 0 when it has no answer.
using DesktopQuery = std::function<irr::core::dimension2d<irr::u32>()>;

//! Both -1: the desktop resolution (asked only then). Otherwise the width is
//! clamped to 640..1920 and the height to 480..1280.
irr::core::dimension2d<irr::u32> deriveWindowSize(irr::s32 resX, irr::s32 resY, const DesktopQuery& desktop);

//! Irrlicht's answer, else the display's; 640 x 480 when neither has a size,
//! which is logged.
irr::core::dimension2d<irr::u32> chooseDesktopResolution(const DesktopQuery& irrlicht, const DesktopQuery& display);

//! The desktop size from Irrlicht (through a temporary null device) or else
//! from the X display.
irr::core::dimension2d<irr::u32> readDesktopResolution();
} // namespace Belgarune
