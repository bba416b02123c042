#include "tools/assetgen/textrenderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace assetgen
{
TextRenderer::TextRenderer(const std::string& fontPath) : m_library(nullptr), m_face(nullptr)
{
    if (FT_Init_FreeType(&m_library) != 0)
        return;
    if (FT_New_Face(m_library, fontPath.c_str(), 0, &m_face) != 0)
        m_face = nullptr;
}

TextRenderer::~TextRenderer()
{
    if (m_face)
        FT_Done_Face(m_face);
    if (m_library)
        FT_Done_FreeType(m_library);
}

GlyphImage TextRenderer::glyph(char32_t character, int pixelSize) const
{
    GlyphImage image;
    if (!m_face)
        return image;
    FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(pixelSize));
    if (FT_Load_Char(m_face, character, FT_LOAD_RENDER) != 0)
        return image;
    const FT_GlyphSlot slot = m_face->glyph;
    image.width = static_cast<int>(slot->bitmap.width);
    image.height = static_cast<int>(slot->bitmap.rows);
    image.left = slot->bitmap_left;
    image.top = slot->bitmap_top;
    image.advance = static_cast<int>(slot->advance.x >> 6);
    image.coverage.resize(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.coverage[static_cast<size_t>(y) * image.width + x] = slot->bitmap.buffer[y * slot->bitmap.pitch + x];
    return image;
}

int TextRenderer::measure(const std::string& text, int pixelSize) const
{
    int width = 0;
    for (unsigned char c : text)
        width += glyph(c, pixelSize).advance;
    return width;
}

int TextRenderer::ascender(int pixelSize) const
{
    if (!m_face)
        return 0;
    FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(pixelSize));
    return static_cast<int>(m_face->size->metrics.ascender >> 6);
}

void TextRenderer::draw(Canvas& canvas, const std::string& text, int pixelSize, int x, int baseline,
                        const Colour& colour) const
{
    int pen = x;
    for (unsigned char c : text)
    {
        const GlyphImage g = glyph(c, pixelSize);
        for (int gy = 0; gy < g.height; ++gy)
            for (int gx = 0; gx < g.width; ++gx)
                canvas.blend(pen + g.left + gx, baseline - g.top + gy, colour,
                             g.coverage[static_cast<size_t>(gy) * g.width + gx] / 255.0f);
        pen += g.advance;
    }
}

void TextRenderer::drawCentred(Canvas& canvas, const std::string& text, int pixelSize, int centreX, int baseline,
                               const Colour& colour) const
{
    draw(canvas, text, pixelSize, centreX - measure(text, pixelSize) / 2, baseline, colour);
}
} // namespace assetgen
