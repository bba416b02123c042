#pragma once
// The colours of the five tones, shared by the wall letters and the player's light.

#include <SColor.h>
#include <irrTypes.h>

namespace Belgarune
{
constexpr irr::u32 kToneCount = 5;

//! Tone 0..4 (keys G H J K L): pink, blue, green, yellow, red, opaque.
//! The tone must be below kToneCount.
irr::video::SColor toneColor(irr::u32 tone);
} // namespace Belgarune
