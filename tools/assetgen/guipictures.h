#pragma once
// Pictures of the screen displays: hearts, note heads, the staff, the clef bar, the map
// frame, the death overlay, the menu ornament and the learned-song plates.

#include "tools/assetgen/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen
{
class TextRenderer;

//! 128 x 64: a full heart on the left half, an empty one on the right.
Canvas heartPair();
//! Round note head in a colour, transparent around it.
Canvas noteHead(const Colour& colour);

//! Lanes of the tones 4 (top) .. 0 (bottom) as fractions of the staff picture's height.
extern const float kStaffLanes[5];
//! Wide staff picture; `enabled` false draws the dimmed style shown during song effects.
Canvas staffLines(bool enabled);
//! Clef bar at the staff's end, authored a quarter turn counter-clockwise.
Canvas clefBar(const TextRenderer& font);

//! Parchment frame drawn behind the map view.
Canvas mapFrame(std::uint32_t seed);
//! Red-black vignette with cracks for the death sequence.
Canvas deathOverlay(std::uint32_t seed);
//! Tall vertical ornament strip of the title menu.
Canvas menuOrnament(std::uint32_t seed);

//! A learned song's plate: its name and its melody as tone-coloured notes.
Canvas songPlate(const TextRenderer& font, const std::string& name, const std::vector<int>& tones);
} // namespace assetgen
