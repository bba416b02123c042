#pragma once
// Pictures made of rendered words: the engine's logo, the title and the start-up splash marks.

#include "tools/assetgen/canvas.h"

#include <vector>

namespace assetgen
{
class TextRenderer;

//! The engine's logo: its emblem (a T of the five tone-coloured staff lines) above its name,
//! transparent around them.
Canvas engineLogo(const TextRenderer& nameFont);

//! The game's title lettering with a soft glow, transparent around it.
Canvas titleLettering(const TextRenderer& script);

// Splash marks: 512 x 256, opaque, on a dark violet ground that fades to black at the edges
// (they are drawn without their alpha on a black screen).

//! The game's title in its script face over a staff ribbon carrying a song's tones 0..4.
Canvas gameSplash(const TextRenderer& script, const std::vector<int>& melody);
//! The engine's emblem beside its name.
Canvas engineSplash(const TextRenderer& nameFont, const TextRenderer& captionFont);
//! A sounding wave in a badge beside the names of the sound libraries.
Canvas soundSplash(const TextRenderer& nameFont, const TextRenderer& captionFont);
} // namespace assetgen
