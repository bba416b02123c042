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
#include <vector>

namespace fonttest
{
//! The game's font: has kerning pairs, lacks U+FFFD.
const char* const kKaushan = "/usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf";
//! Has kerning pairs and U+FFFD.
const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
//! Has no kerning table.
const char* const kDejaVuMono = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
//! The font file the game opens, as the build put it into the game tree.
const char* const kShippedFont = BELGARUNE_GAME_DIR "/gamedata/fonts/Bahiana-Regular.ttf";

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

//! A face opened with FreeType directly, to check the font against.
class ReferenceFace
{
public:
    //! size 0 leaves the face unsized (enough for glyph lookups).
    ReferenceFace(const char* file, irr::u32 size)
    {
        if (FT_Init_FreeType(&m_library))
            return;
        m_libraryOpen = true;
        if (FT_New_Face(m_library, file, 0, &m_face))
            m_face = nullptr;
        else if (size)
            FT_Set_Pixel_Sizes(m_face, 0, size);
    }
    ~ReferenceFace()
    {
        if (m_face)
            FT_Done_Face(m_face);
        if (m_libraryOpen)
            FT_Done_FreeType(m_library);
    }
    ReferenceFace(const ReferenceFace&) = delete;
    ReferenceFace& operator=(const ReferenceFace&) = delete;

    bool isOpen() const { return m_face != nullptr; }
    FT_UInt glyphIndex(irr::u32 ch) const { return m_face ? FT_Get_Char_Index(m_face, ch) : 0; }
    //! The glyph of ch rendered with those load flags, null without a glyph.
    //! Valid until the next call.
    const FT_Bitmap* render(irr::u32 ch, irr::s32 loadFlags) const
    {
        const FT_UInt index = glyphIndex(ch);
        if (!index || FT_Load_Glyph(m_face, index, loadFlags))
            return nullptr;
        return &m_face->glyph->bitmap;
    }

private:
    FT_Library m_library = nullptr;
    bool m_libraryOpen = false;
    FT_Face m_face = nullptr;
};

//! How many different glyphs the characters first..last map to, asked of
//! FreeType directly.
inline irr::u32 distinctGlyphs(const char* file, irr::u32 first, irr::u32 last)
{
    const ReferenceFace face(file, 0);
    std::set<FT_UInt> glyphs;
    for (irr::u32 ch = first; ch <= last; ++ch)
        if (FT_UInt index = face.glyphIndex(ch))
            glyphs.insert(index);
    return static_cast<irr::u32>(glyphs.size());
}

//! The printable Latin-1 characters that have a glyph with pixels in the
//! reference face (rendered with those load flags).
inline std::vector<wchar_t> inkedLatin1(const ReferenceFace& face, irr::s32 loadFlags)
{
    std::vector<wchar_t> characters;
    for (irr::u32 ch = 0x21; ch <= 0xFF; ++ch)
    {
        if (ch >= 0x7F && ch <= 0xA0)
            continue;
        const FT_Bitmap* bitmap = face.render(ch, loadFlags);
        if (bitmap && bitmap->rows > 0 && bitmap->width > 0)
            characters.push_back(static_cast<wchar_t>(ch));
    }
    return characters;
}
} // namespace fonttest
