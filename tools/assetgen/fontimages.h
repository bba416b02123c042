#pragma once
// Font pictures: the console's bitmap font and the story texts' letter atlases.

#include "tools/assetgen/canvas.h"

namespace assetgen
{
class TextRenderer;

//! Glyph boxes of a bitmap font for characters 32..126, marked in the layout the GUI's
//! bitmap-font loader reads: upper-left marker (255,255,0), lower-right (255,0,0), black background.
struct BitmapFontLayout
{
    int pixelSize = 13;
    int boxWidth = 9;   //!< glyph width + 1 (the lower-right marker column)
    int boxHeight = 18; //!< glyph height + 1
    int boxesPerRow = 28;
    int width = 256;
    int height = 128;
};
Canvas bitmapFont(const TextRenderer& font, const BitmapFontLayout& layout);

//! Letter cells of the story texts: 78-pixel grid, glyph in the cell's upper-left 70 pixels.
struct LetterAtlasStyle
{
    bool glow = false;  //!< false: carved letters; true: the blurred halo version
    int pixelSize = 50; //!< small enough that the tallest and deepest letters fit with their halo
};
//! Rows of the atlas, top to bottom.
extern const char* const kLetterAtlasRows[3];
Canvas letterAtlas(const TextRenderer& font, const LetterAtlasStyle& style);
} // namespace assetgen
