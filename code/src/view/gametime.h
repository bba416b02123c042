#pragma once
// The game clock as the view reads it.

#include <irrTypes.h>

namespace Belgarune
{
//! The game clock's total time in milliseconds; 0 without a device.
irr::f64 gameTime();
//! gameTime cut to whole milliseconds.
irr::u32 gameTimeMs();
} // namespace Belgarune
