// The font object on the null driver: loading, glyph batches, pages, shared faces.

#include "tests/gui/fonttestsupport.h"

using irr::gui::CGUITTFont;
using irr::gui::CGUITTGlyphPage;
using namespace fonttest;

typedef NullDeviceTest TTFontLoad;

TEST_F(TTFontLoad, FailuresReturnNullAndLeaveNoFace)
{
    EXPECT_EQ(createFont(kKaushan, 0), nullptr) << "size 0";
    EXPECT_EQ(createFont("/nonexistent/font.ttf", 20), nullptr) << "missing file";
    // The null driver allows 65536-pixel textures, so pages stop at 4096.
    EXPECT_EQ(createFont(kKaushan, 5000), nullptr) << "a size above the page limit";
    EXPECT_EQ(CGUITTFont::createTTFont(static_cast<irr::gui::IGUIEnvironment*>(nullptr), kKaushan, 20), nullptr);
    EXPECT_EQ(CGUITTFont::getSharedFaceCount(), 0u);
    EXPECT_FALSE(CGUITTFont::isLibraryLoaded());
}

TEST_F(TTFontLoad, RenderFlagsFollowTheSettings)
{
    FontPtr font = createFont(kKaushan, 30, false, false);
    ASSERT_TRUE(font);
    EXPECT_TRUE(font->useMonochrome()) << "no anti-aliasing";
    EXPECT_EQ(font->getLoadFlags(), FT_LOAD_RENDER | 0x21002);
    font->setMonochrome(false);
    EXPECT_EQ(font->getLoadFlags(), FT_LOAD_RENDER);
    font->setFontHinting(false, false);
    EXPECT_EQ(font->getLoadFlags(), FT_LOAD_RENDER | FT_LOAD_NO_HINTING | FT_LOAD_NO_AUTOHINT);
}

TEST_F(TTFontLoad, LogsThroughTheDeviceItWasMadeWith)
{
    struct Recorder : irr::IEventReceiver
    {
        bool OnEvent(const irr::SEvent& event) override
        {
            if (event.EventType == irr::EET_LOG_TEXT_EVENT)
                lines.push_back(event.LogEvent.Text);
            return true;
        }
        std::vector<std::string> lines;
    } recorder;
    m_device->setEventReceiver(&recorder);
    m_device->getLogger()->setLogLevel(irr::ELL_INFORMATION);

    FontPtr font(CGUITTFont::createTTFont(m_device, kDejaVuSans, 12, true, false));
    ASSERT_TRUE(font);
    EXPECT_EQ(CGUITTFont::createTTFont(m_device, "/nonexistent/font.ttf", 12, false, true), nullptr);
    m_device->setEventReceiver(nullptr);

    ASSERT_EQ(recorder.lines.size(), 3u);
    EXPECT_EQ(recorder.lines[0], std::string("CGUITTFont: Creating new font: ") + kDejaVuSans +
                                     " 12pt +antialias -transparency");
    EXPECT_EQ(recorder.lines[1], "CGUITTFont: Creating new font: /nonexistent/font.ttf 12pt -antialias +transparency");
    EXPECT_EQ(recorder.lines[2], "CGUITTFont: Failed to open the file.");
}

TEST_F(TTFontLoad, ASecondLoadIsRefusedAndTheFontStaysAsItWas)
{
    FontPtr font = createFont(kKaushan, 30);
    ASSERT_TRUE(font);
    const irr::core::dimension2du text = font->getDimension(L"Wavy jig");
    const irr::u32 preloaded = usedSlots(*font);

    EXPECT_FALSE(font->load(kDejaVuSans, 12, false, false)) << "another file and size";
    EXPECT_FALSE(font->load(kKaushan, 30, true, true)) << "the same file and size";
    EXPECT_EQ(font->getFontSize(), 30u);
    EXPECT_FALSE(font->useMonochrome());
    EXPECT_EQ(CGUITTFont::getSharedFaceCount(), 1u);

    // The glyphs still waiting for their page are uploaded here.
    font->draw(L"Wavy jig \u00e9", irr::core::rect<irr::s32>(0, 0, 640, 480), irr::video::SColor(255, 255, 255, 255));
    EXPECT_EQ(font->getDimension(L"Wavy jig"), text);
    EXPECT_EQ(usedSlots(*font), preloaded + 1);

    font.reset();
    EXPECT_EQ(CGUITTFont::getSharedFaceCount(), 0u);
    EXPECT_FALSE(CGUITTFont::isLibraryLoaded()) << "the one face is released";
}

typedef NullDeviceTest TTFontPages;

TEST_F(TTFontPages, PageSizeFollowsTheFontSize)
{
    struct Case
    {
        irr::u32 fontSize;
        irr::u32 side;
    };
    for (const Case& c : {Case{21, 256}, Case{22, 512}, Case{42, 512}, Case{43, 1024}, Case{55, 1024}, Case{85, 2048}})
    {
        FontPtr font = createFont(kKaushan, c.fontSize);
        ASSERT_TRUE(font);
        const CGUITTGlyphPage* page = font->getGlyphPage(0);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->getTextureSize(), irr::core::dimension2du(c.side, c.side)) << c.fontSize;
    }
    // Slots of 78 x 82 pixels hold every glyph of the face at 55 pixels.
    FontPtr font = createFont(kKaushan, 55);
    EXPECT_EQ(font->getGlyphPage(0)->m_usedSlots + font->getGlyphPage(0)->m_freeSlots, 13u * 12u);
}

TEST_F(TTFontPages, PreloadTakesTheAsciiRange)
{
    FontPtr font = createFont(kKaushan, 20);
    ASSERT_TRUE(font);
    EXPECT_EQ(usedSlots(*font), distinctGlyphs(kKaushan, 0, 126));
    EXPECT_EQ(pageCount(*font), 2u) << "64 slots of 30 x 32 pixels a page";
}

TEST_F(TTFontPages, MissingGlyphsLoadInBatchesAroundTheCharacter)
{
    FontPtr font = createFont(kKaushan, 20);
    ASSERT_TRUE(font);
    const irr::u32 preloaded = usedSlots(*font);

    font->getDimension(L"\u00e9");
    EXPECT_EQ(usedSlots(*font), preloaded + 1) << "batch size 1 loads only the character";

    font->setBatchLoadSize(20);
    font->getDimension(L"\u00c9");
    // Around U+00C9: U+00BF to U+00D2, less the U+00E9 loaded before (outside).
    const irr::u32 afterBatch = preloaded + 1 + distinctGlyphs(kKaushan, 0xC9 - 10, 0xC9 + 9);
    EXPECT_EQ(usedSlots(*font), afterBatch);

    font->getDimension(L"\u00c9\u00c0\u00e9AB");
    EXPECT_EQ(usedSlots(*font), afterBatch) << "loaded glyphs are not loaded again";
}

TEST_F(TTFontPages, ACharacterTheFaceLacksLoadsTheBatchAroundIt)
{
    // Kaushan lacks U+201B and U+FFFD but has the quotation marks around it.
    FontPtr font = createFont(kKaushan, 20);
    ASSERT_TRUE(font);
    const irr::u32 preloaded = usedSlots(*font);
    ASSERT_EQ(distinctGlyphs(kKaushan, 0x201B, 0x201B), 0u);
    const irr::u32 neighbours = distinctGlyphs(kKaushan, 0x201B - 4, 0x201B + 3);
    ASSERT_GT(neighbours, 0u);

    font->setBatchLoadSize(8);
    font->getCharDimension(L'\u201b');
    EXPECT_EQ(usedSlots(*font), preloaded + neighbours);
}

TEST_F(TTFontPages, TheReplacementGlyphIsLoadedWithTheFirstMissingCharacter)
{
    // DejaVu Sans has U+FFFD but no glyph for U+0000, which the preload asks for.
    FontPtr font = createFont(kDejaVuSans, 20);
    ASSERT_TRUE(font);
    EXPECT_EQ(usedSlots(*font), distinctGlyphs(kDejaVuSans, 0, 126) + 1) << "the ASCII range and U+FFFD";
    EXPECT_EQ(font->getCharDimension(L'\u0378'), font->getCharDimension(L'\ufffd'));
    EXPECT_EQ(usedSlots(*font), distinctGlyphs(kDejaVuSans, 0, 126) + 1) << "nothing further for a known stand-in";
}

TEST_F(TTFontPages, FullPagesAreFollowedByNewOnesAndSlotsLieInRows)
{
    FontPtr font = createFont(kKaushan, 55);
    ASSERT_TRUE(font);
    const irr::core::dimension2du slot = font->getGlyphPage(0)->getSlotSize();
    // Two slots a side: four glyphs to a page.
    font->setMaxPageTextureSize(irr::core::dimension2du(2 * slot.Width + 1, 2 * slot.Height + 1));
    font->setTransparency(true);
    ASSERT_EQ(font->getLastGlyphPage(), nullptr) << "a reset deletes the pages";

    font->draw(L"ABCDE", irr::core::rect<irr::s32>(0, 0, 640, 480), irr::video::SColor(255, 255, 255, 255));
    ASSERT_EQ(pageCount(*font), 2u);
    EXPECT_EQ(font->getLastPageIndex(), 1u);
    const CGUITTGlyphPage* first = font->getGlyphPage(0);
    EXPECT_EQ(first->m_usedSlots, 4u);
    EXPECT_EQ(first->m_freeSlots, 0u);
    EXPECT_EQ(font->getGlyphPage(1)->m_usedSlots, 1u);
    EXPECT_EQ(font->getPageTexture(1), font->getGlyphPage(1)->m_texture);
    EXPECT_EQ(font->getPageTexture(2), nullptr);

    ASSERT_EQ(first->m_renderSourceRects.size(), 4u);
    const irr::s32 w = static_cast<irr::s32>(slot.Width);
    const irr::s32 h = static_cast<irr::s32>(slot.Height);
    const irr::core::position2di corners[] = {{0, 0}, {w, 0}, {0, h}, {w, h}};
    for (irr::u32 i = 0; i < 4; ++i)
        EXPECT_EQ(first->m_renderSourceRects[i].UpperLeftCorner, corners[i]) << i;
    EXPECT_TRUE(first->m_pendingGlyphs.empty()) << "drawing uploads the pages";
    EXPECT_FALSE(first->m_dirty);

    font->draw(L"EDCBA", irr::core::rect<irr::s32>(0, 0, 640, 480), irr::video::SColor(255, 255, 255, 255));
    EXPECT_EQ(pageCount(*font), 2u) << "loaded glyphs keep their slots";
    EXPECT_EQ(font->getGlyphPage(1)->m_usedSlots, 1u);
}

TEST_F(TTFontPages, EveryLatin1GlyphKeepsItsWholeBitmap)
{
    struct Case
    {
        const char* file;
        irr::u32 size;
        bool antialias;
    };
    // Script descenders and swashes reach past the em square at every size.
    for (const Case& c : {Case{kShippedFont, 21, true}, Case{kShippedFont, 22, true}, Case{kShippedFont, 36, true},
                          Case{kShippedFont, 55, true}, Case{kShippedFont, 36, false}, Case{kDejaVuSans, 22, true}})
    {
        FontPtr font = createFont(c.file, c.size, c.antialias);
        ASSERT_TRUE(font) << c.file;
        const ReferenceFace reference(c.file, c.size);
        ASSERT_TRUE(reference.isOpen());
        for (const wchar_t ch : inkedLatin1(reference, font->getLoadFlags()))
        {
            const wchar_t text[] = {ch, 0};
            font->draw(text, irr::core::rect<irr::s32>(0, 0, 640, 480), irr::video::SColor(255, 255, 255, 255));
            const CGUITTGlyphPage* page = nullptr;
            for (irr::u32 i = 0; font->getGlyphPage(i); ++i)
                if (!font->getGlyphPage(i)->m_renderSourceRects.empty())
                    page = font->getGlyphPage(i);
            ASSERT_NE(page, nullptr);
            const FT_Bitmap* bitmap = reference.render(ch, font->getLoadFlags());
            EXPECT_EQ(page->m_renderSourceRects[0].getSize(), irr::core::dimension2di(bitmap->width, bitmap->rows))
                << c.file << " " << c.size << "px U+" << std::hex << static_cast<irr::u32>(ch);
        }
    }
}

TEST_F(TTFontPages, WithoutAPageGlyphsOnlyAdvance)
{
    FontPtr font = createFont(kKaushan, 55);
    ASSERT_TRUE(font);
    // A page limit below the font size leaves no room for a slot.
    font->setMaxPageTextureSize(irr::core::dimension2du(32, 32));
    font->setTransparency(true);

    font->draw(L"AB", irr::core::rect<irr::s32>(0, 0, 640, 480), irr::video::SColor(255, 255, 255, 255));
    EXPECT_EQ(font->getLastGlyphPage(), nullptr);
    const irr::s32 lineHeight = static_cast<irr::s32>(font->getCharDimension(L'\u4e00').Width);
    EXPECT_GT(lineHeight, 0);
    EXPECT_EQ(font->getCharDimension(L'A').Width, static_cast<irr::u32>(lineHeight / 2));
    EXPECT_EQ(font->createTextureFromChar(U'A'), nullptr);
}

TEST_F(TTFontPages, GlyphImagesCannotBeReadFromTexturesWithoutPixels)
{
    FontPtr font = createFont(kKaushan, 20);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->createTextureFromChar(U'A'), nullptr) << "the null driver's textures cannot be locked";
    EXPECT_EQ(font->createTextureFromChar(0x4E00), nullptr) << "no glyph";
}

typedef NullDeviceTest TTFontFaces;

TEST_F(TTFontFaces, SizesOfOneFileShareOneFace)
{
    FontPtr small = createFont(kKaushan, 20);
    FontPtr large = createFont(kKaushan, 40);
    ASSERT_TRUE(small && large);
    EXPECT_EQ(CGUITTFont::getSharedFaceCount(), 1u);
    EXPECT_TRUE(CGUITTFont::isLibraryLoaded());

    FontPtr other = createFont(kDejaVuSans, 20);
    EXPECT_EQ(CGUITTFont::getSharedFaceCount(), 2u);
    other.reset();
    EXPECT_EQ(CGUITTFont::getSharedFaceCount(), 1u);

    const irr::core::dimension2du smallA = small->getDimension(L"Ag");
    large.reset();
    EXPECT_EQ(CGUITTFont::getSharedFaceCount(), 1u) << "the other size still uses the face";
    // Measuring a new character renders with the shared face at this font's size.
    EXPECT_EQ(small->getDimension(L"Ag"), smallA);
    EXPECT_GT(small->getCharDimension(L'\u00e9').Width, 0u);
    EXPECT_LT(small->getCharDimension(L'\u00e9').Height, 40u);

    small.reset();
    EXPECT_EQ(CGUITTFont::getSharedFaceCount(), 0u);
    EXPECT_FALSE(CGUITTFont::isLibraryLoaded());
}
