#pragma once
// Renders text of a font file into canvases through FreeType.

#include "tools/assetgen/canvas.h"

#include <string>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace assetgen
{
//! One rendered glyph: 8-bit coverage, placed relative to the pen position.
struct GlyphImage
{
    int width = 0;
    int height = 0;
    int left = 0;    //!< from the pen to the bitmap's left edge
    int top = 0;     //!< from the baseline up to the bitmap's top edge
    int advance = 0; //!< pen step in pixels
    std::vector<unsigned char> coverage;
};

class TextRenderer
{
public:
    //! Opens the font file; `valid()` tells whether that worked.
    explicit TextRenderer(const std::string& fontPath);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    bool valid() const { return m_face != nullptr; }
    GlyphImage glyph(char32_t character, int pixelSize) const;
    //! Width of a text line in pixels.
    int measure(const std::string& text, int pixelSize) const;
    //! Ascender above the baseline in pixels.
    int ascender(int pixelSize) const;
    //! Draws one line of text with its baseline starting at (x, baseline).
    void draw(Canvas& canvas, const std::string& text, int pixelSize, int x, int baseline,
              const Colour& colour) const;
    //! Draws a line centred horizontally on `centreX`.
    void drawCentred(Canvas& canvas, const std::string& text, int pixelSize, int centreX, int baseline,
                     const Colour& colour) const;

private:
    FT_LibraryRec_* m_library; // owned
    FT_FaceRec_* m_face;       // owned, null when the font could not be opened
};
} // namespace assetgen
