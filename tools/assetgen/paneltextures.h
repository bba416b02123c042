#pragma once
// Wall panels and engraved stones: banners, puzzle tiles, reliefs, keystones, door veils.

#include "tools/assetgen/canvas.h"

#include <cstdint>
#include <vector>

namespace assetgen
{
class TextRenderer;

enum class BannerEmblem
{
    None,
    ToneDiscs, //!< the five tone colours in a ring
    Staff,     //!< five lines with the style's melody in tone colours
    Eye,       //!< an open eye (the masks' gaze)
    Sun,       //!< a rayed sun
};

struct BannerStyle
{
    std::uint32_t seed = 1;
    Colour cloth = rgb(110, 20, 30);
    Colour trim = rgb(200, 160, 60);
    BannerEmblem emblem = BannerEmblem::None;
    std::vector<int> melody; //!< tones 0..4 on the staff emblem; a real song, never a made-up run
};
//! Hanging cloth with a swallow-tailed lower edge; transparent around it.
Canvas banner(const BannerStyle& style);

enum class PuzzleGlyph
{
    Circle,
    Triangle,
    Square,
    Diamond,
};
//! Square stone tile with an inlaid glyph in `colour`.
Canvas puzzleTile(std::uint32_t seed, PuzzleGlyph glyph, const Colour& colour);

enum class ReliefMotif
{
    Figure, //!< a robed figure holding an instrument
    Tree,   //!< a tree growing from a root
};
//! Carved relief in stone, shaded from a height field; transparent outside its arch.
Canvas relief(std::uint32_t seed, ReliefMotif motif);

//! Standing stone with an engraved clef letter; `lit` makes the engraving glow.
Canvas keystoneFace(const TextRenderer& font, const char* letter, const Colour& glow, bool lit);

//! Translucent veil of a sealed door in a colour, with a pattern chosen by `variant` (1..7).
Canvas doorVeil(int variant, const Colour& colour);
} // namespace assetgen
