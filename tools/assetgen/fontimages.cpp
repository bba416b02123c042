#include "tools/assetgen/fontimages.h"

#include "tools/assetgen/textrenderer.h"

#include <algorithm>

namespace assetgen
{
namespace
{
const Colour kUpperLeftMarker = rgb(255, 255, 0);
const Colour kLowerRightMarker = rgb(255, 0, 0);
constexpr int kLetterCell = 78;
constexpr int kLetterGlyph = 70;
constexpr int kHaloRadius = 4; //!< each of the halo's two blur passes

//! Baseline below a glyph square's top that centres the atlas's letters, descenders included.
int letterBaseline(const TextRenderer& font, int pixelSize)
{
    int above = 0, below = 0;
    for (const char* row : kLetterAtlasRows)
        for (const char* letter = row; *letter != 0; ++letter)
        {
            const GlyphImage glyph = font.glyph(static_cast<char32_t>(*letter), pixelSize);
            above = std::max(above, glyph.top);
            below = std::max(below, glyph.height - glyph.top);
        }
    return (kLetterGlyph - above - below) / 2 + above;
}
} // namespace

const char* const kLetterAtlasRows[3] = {"abzykdohpqlv", "cnmrjgsitwfe", "ux"};

Canvas bitmapFont(const TextRenderer& font, const BitmapFontLayout& layout)
{
    Canvas canvas(layout.width, layout.height, rgb(0, 0, 0));
    const int baseline = 1 + font.ascender(layout.pixelSize);
    for (int character = 32; character <= 126; ++character)
    {
        const int index = character - 32;
        const int x = (index % layout.boxesPerRow) * layout.boxWidth;
        const int y = (index / layout.boxesPerRow) * layout.boxHeight;
        const GlyphImage glyph = font.glyph(static_cast<char32_t>(character), layout.pixelSize);
        for (int gy = 0; gy < glyph.height; ++gy)
            for (int gx = 0; gx < glyph.width; ++gx)
            {
                // Stay inside the box, off its marker row and column.
                const int px = x + glyph.left + gx, py = y + baseline - glyph.top + gy;
                if (px <= x || py <= y || px >= x + layout.boxWidth - 1 || py >= y + layout.boxHeight - 1)
                    continue;
                const float coverage = glyph.coverage[static_cast<size_t>(gy) * glyph.width + gx] / 255.0f;
                canvas.at(px, py) = Colour{coverage, coverage, coverage, 1};
            }
        canvas.at(x, y) = kUpperLeftMarker;
        canvas.at(x + layout.boxWidth - 1, y + layout.boxHeight - 1) = kLowerRightMarker;
    }
    // (1, 0) names the lower-right marker colour and (2, 0) the background for the loader.
    canvas.at(1, 0) = kLowerRightMarker;
    canvas.at(2, 0) = rgb(0, 0, 0);
    return canvas;
}

Canvas letterAtlas(const TextRenderer& font, const LetterAtlasStyle& style)
{
    Canvas letters(1024, 256, Colour{1, 1, 1, 0});
    const int baselineInSquare = letterBaseline(font, style.pixelSize);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; kLetterAtlasRows[row][column] != 0; ++column)
        {
            const char letter[2] = {kLetterAtlasRows[row][column], 0};
            const int centreX = column * kLetterCell + kLetterGlyph / 2;
            const int baseline = row * kLetterCell + baselineInSquare;
            font.drawCentred(letters, letter, style.pixelSize, centreX, baseline, rgb(235, 228, 210));
        }
    if (!style.glow)
    {
        // Carved: a darker lower-right rim under every stroke.
        Canvas carved(letters.width(), letters.height(), Colour{1, 1, 1, 0});
        for (int y = 0; y < letters.height(); ++y)
            for (int x = 0; x < letters.width(); ++x)
            {
                const float here = letters.at(x, y).a;
                const float above = (x > 1 && y > 1) ? letters.at(x - 2, y - 2).a : 0.0f;
                const float shade = std::clamp(1.0f - 0.6f * std::max(0.0f, above - here), 0.0f, 1.0f);
                carved.at(x, y) = Colour{0.92f * shade, 0.89f * shade, 0.82f * shade, std::max(here, above * 0.8f)};
            }
        return carved;
    }
    Canvas halo = letters.blurred(kHaloRadius, false).blurred(kHaloRadius, false);
    halo.modify([&](const Colour& old, float, float) {
        return Colour{1, 1, 1, std::min(1.0f, old.a * 2.2f)};
    });
    return halo;
}

} // namespace assetgen
