// CGUITTFont: measuring, kerning and drawing of text.

#include "gui/cguittfont.h"

#include "gui/cguittglyphpage.h"
#include "gui/sguittglyph.h"

#include <IVideoDriver.h>

#include <set>

namespace irr
{
namespace gui
{
namespace
{
// Characters from here on are wide (CJK and symbols) when they lack a glyph.
const uchar32_t kFirstWideCharacter = 0x2000;
} // namespace

s32 CGUITTFont::getLineHeight() const
{
    return static_cast<s32>(m_metrics.ascender / 64);
}

s32 CGUITTFont::getFallbackWidth(uchar32_t ch) const
{
    return ch < kFirstWideCharacter ? getLineHeight() / 2 : getLineHeight();
}

s32 CGUITTFont::getCharWidth(uchar32_t ch) const
{
    return getAdvance(getLoadedGlyph(getGlyphIndexByChar(ch)), ch);
}

s32 CGUITTFont::getAdvance(const SGUITTGlyph* glyph, uchar32_t ch) const
{
    return glyph ? static_cast<s32>(glyph->m_advance.x / 64) : getFallbackWidth(ch);
}

s32 CGUITTFont::getCharHeight(uchar32_t ch) const
{
    const SGUITTGlyph* glyph = getLoadedGlyph(getGlyphIndexByChar(ch));
    return glyph ? getLineHeight() - glyph->m_offset.Y + glyph->m_sourceRect.getHeight() : getFallbackWidth(ch);
}

core::dimension2d<u32> CGUITTFont::getCharDimension(wchar_t ch) const
{
    return core::dimension2d<u32>(static_cast<u32>(getCharWidth(static_cast<uchar32_t>(ch))),
                                  static_cast<u32>(getCharHeight(static_cast<uchar32_t>(ch))));
}

core::vector2di CGUITTFont::getKerning(uchar32_t thisLetter, uchar32_t previousLetter) const
{
    if (!m_face || thisLetter == 0 || previousLetter == 0)
        return core::vector2di(0, 0);
    // The face is shared between font sizes.
    FT_Set_Pixel_Sizes(m_face, 0, m_size);
    core::vector2di kerning(m_kerningWidth, m_kerningHeight);
    if (!FT_HAS_KERNING(m_face))
        return kerning;
    FT_Vector pair;
    FT_Get_Kerning(m_face, getGlyphIndexByChar(previousLetter), getGlyphIndexByChar(thisLetter), FT_KERNING_DEFAULT,
                   &pair);
    if (FT_IS_SCALABLE(m_face))
        kerning += core::vector2di(static_cast<s32>(pair.x / 64), static_cast<s32>(pair.y / 64));
    else
        kerning += core::vector2di(static_cast<s32>(pair.x), static_cast<s32>(pair.y));
    return kerning;
}

void CGUITTFont::setKerningWidth(s32 kerning)
{
    m_kerningWidth = kerning;
}

void CGUITTFont::setKerningHeight(s32 kerning)
{
    m_kerningHeight = kerning;
}

s32 CGUITTFont::getKerningWidth(const wchar_t* thisLetter, const wchar_t* previousLetter) const
{
    if (!m_face)
        return m_kerningWidth;
    if (!thisLetter || !previousLetter)
        return 0;
    return getKerningWidthUtf(static_cast<uchar32_t>(*thisLetter), static_cast<uchar32_t>(*previousLetter));
}

s32 CGUITTFont::getKerningWidthUtf(uchar32_t thisLetter, uchar32_t previousLetter) const
{
    return getKerning(thisLetter, previousLetter).X;
}

s32 CGUITTFont::getKerningHeight() const
{
    return m_kerningHeight;
}

void CGUITTFont::setInvisibleCharacters(const wchar_t* s)
{
    setInvisibleCharactersUtf(core::ustring(s));
}

void CGUITTFont::setInvisibleCharactersUtf(const core::ustring& s)
{
    m_invisible = s;
}

core::dimension2d<u32> CGUITTFont::getDimension(const wchar_t* text) const
{
    return getDimensionUtf(core::ustring(text));
}

core::dimension2d<u32> CGUITTFont::getDimensionUtf(const core::ustring& text) const
{
    const s32 lineHeight =
        core::max_(getCharHeight(U'g'), getCharHeight(U'j'), getCharHeight(U'_')) + 1;
    s32 width = 0;
    s32 height = lineHeight;
    s32 lineWidth = 0;
    uchar32_t previous = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const std::size_t breakLength = text.getLineBreakLength(i);
        // A "\r\n" counts as its "\n".
        i += breakLength > 1 ? breakLength - 1 : 0;
        const uchar32_t ch = text[i];
        lineWidth += getKerning(ch, previous).X;
        previous = ch;
        if (breakLength > 0)
        {
            previous = 0;
            height += lineHeight;
            width = core::max_(width, lineWidth);
            lineWidth = 0;
            continue;
        }
        lineWidth += getCharWidth(ch);
    }
    width = core::max_(width, lineWidth);
    return core::dimension2d<u32>(static_cast<u32>(core::max_(width, 0)), static_cast<u32>(height));
}

core::dimension2d<u32> CGUITTFont::getLineDimension(const core::ustring& text) const
{
    return getDimensionUtf(text.substr(0, text.findLineEnd()));
}

s32 CGUITTFont::getCharacterFromPos(const wchar_t* text, s32 pixel_x) const
{
    return getCharacterFromPosUtf(core::ustring(text), pixel_x);
}

s32 CGUITTFont::getCharacterFromPosUtf(const core::ustring& text, s32 pixel_x) const
{
    s32 x = 0;
    uchar32_t previous = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const uchar32_t ch = text[i];
        x += getCharWidth(ch) + getKerning(ch, previous).X;
        if (x >= pixel_x)
            return static_cast<s32>(i);
        previous = ch;
    }
    return -1;
}

void CGUITTFont::draw(const core::stringw& text, const core::rect<s32>& position, video::SColor color, bool hcenter,
                      bool vcenter, const core::rect<s32>* clip)
{
    if (!m_driver)
        return;
    for (const std::unique_ptr<CGUITTGlyphPage>& page : m_pages)
    {
        page->m_renderPositions.set_used(0);
        page->m_renderSourceRects.set_used(0);
    }

    core::position2di offset = position.UpperLeftCorner;
    if (hcenter || vcenter)
    {
        const core::dimension2d<u32> textSize = getDimension(text.c_str());
        if (hcenter)
            offset.X += (position.getWidth() - static_cast<s32>(textSize.Width)) >> 1;
        if (vcenter)
            offset.Y += (position.getHeight() - static_cast<s32>(textSize.Height)) >> 1;
    }
    const s32 lineStart = offset.X;

    const core::ustring utext(text);
    std::set<u32> pagesToDraw;
    uchar32_t previous = 0;
    for (std::size_t i = 0; i < utext.size(); ++i)
    {
        const uchar32_t ch = utext[i];
        const u32 glyphIndex = getGlyphIndexByChar(ch);
        const SGUITTGlyph* glyph = getLoadedGlyph(glyphIndex);
        if (glyphIndex > 0 && !m_invisible.contains(ch))
        {
            const std::size_t breakLength = utext.getLineBreakLength(i);
            if (breakLength > 0)
            {
                i += breakLength - 1;
                previous = 0;
                offset.Y += getLineHeight();
                offset.X = lineStart;
                continue;
            }
            offset += getKerning(ch, previous);
            // A glyph that could not be loaded only advances.
            if (glyph)
            {
                CGUITTGlyphPage& page = *m_pages[glyph->m_page];
                page.m_renderPositions.push_back(core::position2di(
                    offset.X + glyph->m_offset.X, offset.Y + getLineHeight() - glyph->m_offset.Y));
                page.m_renderSourceRects.push_back(glyph->m_sourceRect);
                pagesToDraw.insert(glyph->m_page);
            }
        }
        offset.X += getAdvance(glyph, ch);
        previous = ch;
    }

    uploadDirtyPages();
    if (!m_transparency)
        color.setAlpha(255);
    for (u32 index : pagesToDraw)
    {
        const CGUITTGlyphPage& page = *m_pages[index];
        m_driver->draw2DImageBatch(page.m_texture, page.m_renderPositions, page.m_renderSourceRects, clip, color,
                                   true);
    }
}
} // namespace gui
} // namespace irr
