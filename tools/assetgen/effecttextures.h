#pragma once
// Textures of non-stone surfaces and effects: metal, gold, wood, shell, fog, dust, blood, glows.

#include "tools/assetgen/canvas.h"

#include <cstdint>

namespace assetgen
{
//! A grained surface: `base` with `streak` grain running along v (vertical) or u.
struct GrainStyle
{
    std::uint32_t seed = 1;
    int size = 256;
    Colour base = rgb(90, 90, 95);
    Colour streak = rgb(140, 140, 150);
    bool vertical = true;
    float bands = 0.0f; //!< > 0 adds that many soft growth bands across (shell, wood rings)
};
Canvas grainedSurface(const GrainStyle& style);
//! Heavy plates of `metal` (a square tile): four plates a tile, riveted seams, dark stains
//! running down from the seams (the crusher's face).
Canvas rivetedPlates(const Canvas& metal, std::uint32_t seed);

//! Tileable grey fog noise.
Canvas fogNoise(std::uint32_t seed, int size);
//! Soft white blob on black.
Canvas softBlob(int size, float sharpness);
//! Swirled noise for the time bubble's distortion.
Canvas swirlNoise(std::uint32_t seed, int size);
//! A blood drip or splash with alpha, `variant` picks the shape.
Canvas bloodDrip(std::uint32_t seed, int variant);
//! Radial glow in a colour on black (additive lamps and shimmering surfaces).
Canvas radialGlow(int size, const Colour& colour, float falloff);
} // namespace assetgen
