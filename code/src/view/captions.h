#pragma once
// Centred lines of the game's font in the lower part of the screen.

#include <irrString.h>
#include <irrTypes.h>

namespace Belgarune
{
//! White, centred in the band from 60 % of the screen height to the bottom.
void drawCaption(const irr::core::stringw& text, irr::f32 alpha);
//! The title in grey at 60 % of the screen height, the name in white below it.
void drawCreditLine(const irr::core::stringw& title, const irr::core::stringw& name, irr::f32 alpha);
} // namespace Belgarune
