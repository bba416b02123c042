#pragma once
// Fonts and a null-driver device shared by the font tests.

#include "gui/cguittfont.h"
#include "gui/cguittglyphpage.h"
#include "tests/support/quietnulldevice.h"

#include <irrlicht.h>

#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <set>

namespace fonttest
{
//! The game's font: has kerning pairs, lacks U+FFFD.
const char* const kKaushan = "/usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf";
//! Has kerning pairs and U+FFFD.
const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
//! Has no kerning table.
const char* const kDejaVuMono = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";

//! Releases a font reference at the end of a scope.
struct FontDropper
{
    void operator()(irr::gui::CGUITTFont* font) const
    {
        if (font)
            font->drop();
    }
};
typedef std::unique_ptr<irr::gui::CGUITTFont, FontDropper> FontPtr;

//! An Irrlicht device on the null driver (no window, textures without pixels).
class NullDeviceTest : public testsupport::QuietNullDeviceTest
{
protected:
    void SetUp() override
    {
        QuietNullDeviceTest::SetUp();
        if (m_device)
            m_env = m_device->getGUIEnvironment();
    }
    FontPtr createFont(const char* file, irr::u32 size, bool antialias = true, bool transparency = true)
    {
        return FontPtr(irr::gui::CGUITTFont::createTTFont(m_env, file, size, antialias, transparency));
    }

    irr::gui::IGUIEnvironment* m_env = nullptr;
};

inline irr::u32 pageCount(const irr::gui::CGUITTFont& font)
{
    irr::u32 count = 0;
    while (font.getGlyphPage(count))
        ++count;
    return count;
}

//! Glyph slots taken over all pages of a font.
inline irr::u32 usedSlots(const irr::gui::CGUITTFont& font)
{
    irr::u32 used = 0;
    for (irr::u32 i = 0; font.getGlyphPage(i); ++i)
        used += font.getGlyphPage(i)->m_usedSlots;
    return used;
}

//! How many different glyphs the characters first..last map to, asked of
//! FreeType directly.
inline irr::u32 distinctGlyphs(const char* file, irr::u32 first, irr::u32 last)
{
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library))
        return 0;
    std::set<FT_UInt> glyphs;
    if (!FT_New_Face(library, file, 0, &face))
    {
        for (irr::u32 ch = first; ch <= last; ++ch)
            if (FT_UInt index = FT_Get_Char_Index(face, ch))
                glyphs.insert(index);
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return static_cast<irr::u32>(glyphs.size());
}
} // namespace fonttest
