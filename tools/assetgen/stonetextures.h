#pragma once
// Seamless stone surfaces for floors, walls and stone props, and the maps derived from them.

#include "tools/assetgen/canvas.h"

#include <cstdint>

namespace assetgen
{
enum class StoneLayout
{
    Blocks, //!< rows of rectangular blocks, optionally in running bond
    Slabs,  //!< irregular flagstones
    Plain,  //!< one rough surface without joints
};

struct StoneStyle
{
    std::uint32_t seed = 1;
    int width = 256;
    int height = 256;
    StoneLayout layout = StoneLayout::Blocks;
    int columns = 2;          //!< blocks across (Blocks) or cells across (Slabs)
    int rows = 2;             //!< blocks down (Blocks)
    bool runningBond = true;  //!< odd rows shifted by half a block
    float jointWidth = 0.035f; //!< of the tile's shorter side
    Colour stone = rgb(120, 110, 100);
    Colour joint = rgb(30, 26, 24);
    float tintVariation = 0.12f; //!< brightness spread between blocks
    float roughness = 0.35f;     //!< strength of the grain
    float cracks = 0.3f;         //!< 0 = none
};

Canvas stoneSurface(const StoneStyle& style);

//! The colour texture ("_cm") of a surface: its softened, lifted colours.
Canvas colourMap(const Canvas& surface);
//! Darkened stone with glowing violet veins: what walls turn into as darkness rises.
Canvas creepingDarkness(const Canvas& surface, std::uint32_t seed);
//! Brightened copy (lit variants).
Canvas brightened(const Canvas& surface, float factor);
//! Moss or lichen patches in `colour` over a surface.
Canvas overgrown(const Canvas& surface, const Colour& colour, std::uint32_t seed);
//! Blend from `edges` at the top and bottom rows to `centre` in the middle (symmetric).
Canvas edgeTransition(const Canvas& centre, const Canvas& edges);
//! Engraves faint concentric rings (the "sing to survive" floor's warning).
Canvas engravedRings(const Canvas& surface, const Colour& glow);
} // namespace assetgen
