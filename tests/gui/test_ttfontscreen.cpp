// The font drawing with real OpenGL (under Xvfb): pixels where the measures say.

#include "tests/gui/fonttestsupport.h"

#include <GL/gl.h>
#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using irr::core::dimension2du;
using irr::core::position2di;
using irr::core::rect;
using irr::gui::CGUITTFont;
using namespace fonttest;

namespace
{
const irr::u32 kWidth = 640;
const irr::u32 kHeight = 480;
const irr::video::SColor kBlack(255, 0, 0, 0);
const irr::video::SColor kWhite(255, 255, 255, 255);
// A pixel counts as text from this channel value on.
const irr::u8 kLit = 40;

//! The back buffer, read before the frame ends, top row first, as RGBA.
class Screen
{
public:
    void read()
    {
        m_pixels.assign(kWidth * kHeight * 4, 0);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, m_pixels.data());
    }
    const irr::u8* at(irr::s32 x, irr::s32 y) const { return &m_pixels[((kHeight - 1 - y) * kWidth + x) * 4]; }
    irr::u8 brightness(irr::s32 x, irr::s32 y) const
    {
        const irr::u8* p = at(x, y);
        return std::max({p[0], p[1], p[2]});
    }
    //! Bounding box of the lit pixels inside area (empty rect when none).
    rect<irr::s32> litBox(const rect<irr::s32>& area) const
    {
        rect<irr::s32> box(area.LowerRightCorner, area.UpperLeftCorner);
        for (irr::s32 y = std::max(area.UpperLeftCorner.Y, 0); y < std::min<irr::s32>(area.LowerRightCorner.Y, kHeight); ++y)
            for (irr::s32 x = std::max(area.UpperLeftCorner.X, 0); x < std::min<irr::s32>(area.LowerRightCorner.X, kWidth); ++x)
                if (brightness(x, y) >= kLit)
                {
                    box.UpperLeftCorner.X = std::min(box.UpperLeftCorner.X, x);
                    box.UpperLeftCorner.Y = std::min(box.UpperLeftCorner.Y, y);
                    box.LowerRightCorner.X = std::max(box.LowerRightCorner.X, x + 1);
                    box.LowerRightCorner.Y = std::max(box.LowerRightCorner.Y, y + 1);
                }
        return box;
    }
    irr::u8 maxRed(const rect<irr::s32>& area) const
    {
        irr::u8 red = 0;
        for (irr::s32 y = area.UpperLeftCorner.Y; y < area.LowerRightCorner.Y; ++y)
            for (irr::s32 x = area.UpperLeftCorner.X; x < area.LowerRightCorner.X; ++x)
                red = std::max(red, at(x, y)[0]);
        return red;
    }
    //! Writes the frame as a PNG through Irrlicht's image writer.
    bool save(irr::video::IVideoDriver* driver, const std::string& file) const
    {
        std::vector<irr::u8> argb(kWidth * kHeight * 4);
        for (irr::u32 y = 0; y < kHeight; ++y)
            for (irr::u32 x = 0; x < kWidth; ++x)
            {
                const irr::u8* p = at(x, y);
                const irr::u32 color = irr::video::SColor(255, p[0], p[1], p[2]).color;
                std::memcpy(&argb[(y * kWidth + x) * 4], &color, 4);
            }
        irr::video::IImage* image = driver->createImageFromData(irr::video::ECF_A8R8G8B8, dimension2du(kWidth, kHeight),
                                                                argb.data(), true, false);
        const bool written = driver->writeImageToFile(image, file.c_str());
        image->drop();
        return written;
    }

private:
    std::vector<irr::u8> m_pixels;
};

struct Line
{
    CGUITTFont* font;
    const wchar_t* text;
    position2di at;
    irr::video::SColor color;
};

//! Mesa's driver holds allocations that only its own globals reach; when the
//! device goes and the driver is unloaded, the leak checker reports them.
//! Keeps every loaded DRI driver in memory until the process ends.
void keepGlDriverLoaded()
{
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            const std::string name = info->dlpi_name;
            const std::string suffix = "_dri.so";
            if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}

//! Height (Y) and width (X) of the pixels in a glyph bitmap whose alpha, as
//! the font turns gray into alpha, reaches at least minAlpha.
position2di inkedExtent(const FT_Bitmap& bitmap, irr::u32 minAlpha)
{
    rect<irr::s32> box(bitmap.width, bitmap.rows, 0, 0);
    for (irr::u32 y = 0; y < bitmap.rows; ++y)
        for (irr::u32 x = 0; x < bitmap.width; ++x)
            if (bitmap.buffer[y * bitmap.pitch + x] * 255u / bitmap.num_grays >= minAlpha)
            {
                box.addInternalPoint(x, y);
                box.addInternalPoint(x + 1, y + 1);
            }
    return box.isValid() ? box.LowerRightCorner - box.UpperLeftCorner : position2di(0, 0);
}

std::string artifactFolder()
{
    const std::string folder = std::string(BELGARUNE_GAME_DIR) + "/../test-artifacts";
    std::filesystem::create_directories(folder);
    return folder;
}
} // namespace

class TTFontScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        irr::SIrrlichtCreationParameters params;
        params.DriverType = irr::video::EDT_OPENGL;
        params.WindowSize = dimension2du(kWidth, kHeight);
        params.Bits = 32;
        params.ZBufferBits = 24;
        params.LoggingLevel = irr::ELL_ERROR;
        m_device = irr::createDeviceEx(params);
        ASSERT_NE(m_device, nullptr) << "needs an X display (run under xvfb-run)";
        keepGlDriverLoaded();
        m_driver = m_device->getVideoDriver();
    }
    void TearDown() override
    {
        m_fonts.clear();
        if (m_device)
            m_device->drop();
    }
    CGUITTFont* font(const char* file, irr::u32 size, bool antialias, bool transparency = true)
    {
        m_fonts.emplace_back(CGUITTFont::createTTFont(m_device->getGUIEnvironment(), file, size, antialias, transparency));
        return m_fonts.back().get();
    }
    //! Draws the lines in one frame and reads the frame back.
    void drawFrame(const std::vector<Line>& lines)
    {
        m_driver->beginScene(true, true, kBlack);
        for (const Line& line : lines)
            line.font->draw(line.text, rect<irr::s32>(line.at, dimension2du(kWidth, kHeight)), line.color);
        m_screen.read();
        m_driver->endScene();
    }

    irr::IrrlichtDevice* m_device = nullptr;
    irr::video::IVideoDriver* m_driver = nullptr;
    std::vector<FontPtr> m_fonts;
    Screen m_screen;
};

TEST_F(TTFontScreen, TextLiesWhereItsDimensionSays)
{
    CGUITTFont* large = font(kKaushan, 36, true);
    CGUITTFont* largeMono = font(kKaushan, 36, false);
    CGUITTFont* small = font(kKaushan, 22, true);
    CGUITTFont* smallMono = font(kKaushan, 22, false);
    ASSERT_TRUE(large && largeMono && small && smallMono);
    const irr::video::SColor gold(255, 255, 220, 120);
    const std::vector<Line> lines = {
        {large, L"Prelude Of The Faceless King", {20, 10}, kWhite},
        {largeMono, L"AVATAR Wavy jiggly", {20, 75}, kWhite},
        // The font has a glyph for "\r" but none for "\n": only "\r" breaks drawn lines.
        {small, L"Mother's Requiem\r\nGoddess' Mercy", {20, 145}, gold},
        {smallMono, L"Ode to Sol \u00e9t\u00e9 1920", {20, 235}, gold},
        {large, L"Minuet of Growth\r\nin the dungeon", {300, 290}, kWhite},
    };
    drawFrame(lines);
    ASSERT_TRUE(m_screen.save(m_driver, artifactFolder() + "/ttfont_lines.png"));

    for (const Line& line : lines)
    {
        const dimension2du size = line.font->getDimension(line.text);
        const rect<irr::s32> measured(line.at, size);
        // Look around the measured box for stray pixels.
        rect<irr::s32> around = measured;
        around.UpperLeftCorner -= position2di(12, 12);
        around.LowerRightCorner += position2di(12, 8);
        const rect<irr::s32> lit = m_screen.litBox(around);
        SCOPED_TRACE(irr::core::stringc(line.text).c_str());
        ASSERT_TRUE(lit.isValid()) << "nothing drawn";
        // Script glyphs reach a little past their advance ("f" the most).
        EXPECT_GE(lit.UpperLeftCorner.X, measured.UpperLeftCorner.X - 3);
        EXPECT_GE(lit.UpperLeftCorner.Y, measured.UpperLeftCorner.Y);
        EXPECT_LE(lit.LowerRightCorner.X, measured.LowerRightCorner.X + static_cast<irr::s32>(line.font->getFontSize() / 4));
        EXPECT_LE(lit.LowerRightCorner.Y, measured.LowerRightCorner.Y);
        EXPECT_GE(lit.getWidth(), static_cast<irr::s32>(size.Width) * 9 / 10);
        EXPECT_GE(lit.getHeight(), static_cast<irr::s32>(size.Height) * 6 / 10);
    }
}

TEST_F(TTFontScreen, EveryLatin1GlyphOfTheShippedFontIsDrawnWhole)
{
    // Drawn white on black, a pixel's brightness is its alpha give or take rounding.
    const irr::u32 slack = 3;
    for (const irr::u32 size : {22u, 36u, 55u})
    {
        CGUITTFont* shipped = font(kShippedFont, size, true);
        ASSERT_TRUE(shipped);
        const ReferenceFace reference(kShippedFont, size);
        const std::vector<wchar_t> characters = inkedLatin1(reference, shipped->getLoadFlags());
        ASSERT_GT(characters.size(), 150u);
        // One character a cell, wide enough for the swashes on either side and
        // high enough for accents that rise above the face's ascender.
        const irr::s32 cell = static_cast<irr::s32>(2 * size);
        const std::size_t perFrame = (kWidth / cell) * (kHeight / cell);
        for (std::size_t first = 0; first < characters.size(); first += perFrame)
        {
            const std::size_t count = std::min(perFrame, characters.size() - first);
            std::vector<std::wstring> texts;
            std::vector<Line> lines;
            for (std::size_t i = 0; i < count; ++i)
                texts.push_back(std::wstring(1, characters[first + i]));
            for (std::size_t i = 0; i < count; ++i)
            {
                const position2di corner(static_cast<irr::s32>(i % (kWidth / cell)) * cell,
                                         static_cast<irr::s32>(i / (kWidth / cell)) * cell);
                lines.push_back({shipped, texts[i].c_str(), corner + position2di(cell / 4, cell / 4), kWhite});
            }
            drawFrame(lines);
            for (std::size_t i = 0; i < count; ++i)
            {
                const wchar_t ch = characters[first + i];
                const position2di corner = lines[i].at - position2di(cell / 4, cell / 4);
                const rect<irr::s32> drawn = m_screen.litBox(rect<irr::s32>(corner, dimension2du(cell, cell)));
                const FT_Bitmap* bitmap = reference.render(ch, shipped->getLoadFlags());
                const position2di inner = inkedExtent(*bitmap, kLit + slack);
                const position2di outer = inkedExtent(*bitmap, kLit - slack);
                SCOPED_TRACE(testing::Message() << size << "px U+" << std::hex << static_cast<irr::u32>(ch));
                EXPECT_GE(drawn.getHeight(), inner.Y);
                EXPECT_LE(drawn.getHeight(), outer.Y);
                EXPECT_GE(drawn.getWidth(), inner.X);
                EXPECT_LE(drawn.getWidth(), outer.X);
            }
        }
    }
}

TEST_F(TTFontScreen, OpaqueFontsIgnoreTheColoursAlpha)
{
    CGUITTFont* blended = font(kDejaVuSans, 40, true, true);
    CGUITTFont* opaque = font(kDejaVuSans, 40, true, false);
    ASSERT_TRUE(blended && opaque);
    const irr::video::SColor faintRed(100, 255, 0, 0);
    drawFrame({{blended, L"HH", {20, 20}, faintRed}, {opaque, L"HH", {20, 120}, faintRed}});
    ASSERT_TRUE(m_screen.save(m_driver, artifactFolder() + "/ttfont_alpha.png"));

    const irr::u8 faint = m_screen.maxRed(rect<irr::s32>(20, 20, 200, 100));
    const irr::u8 full = m_screen.maxRed(rect<irr::s32>(20, 120, 200, 200));
    EXPECT_NEAR(faint, 100, 8);
    EXPECT_GE(full, 250);
}

TEST_F(TTFontScreen, PagesHoldTheGlyphImages)
{
    CGUITTFont* large = font(kKaushan, 36, true);
    ASSERT_TRUE(large);
    ASSERT_NE(large->getPageTexture(0), nullptr);
    EXPECT_EQ(large->getPageTexture(0)->getSize(), dimension2du(512, 512));

    irr::video::IImage* glyph = large->createTextureFromChar(U'W');
    ASSERT_NE(glyph, nullptr);
    const dimension2du size = glyph->getDimension();
    EXPECT_GT(size.Width, 10u);
    EXPECT_LE(size.Width, 36u);
    irr::u32 opaque = 0;
    for (irr::u32 y = 0; y < size.Height; ++y)
        for (irr::u32 x = 0; x < size.Width; ++x)
            opaque += glyph->getPixel(x, y).getAlpha() > 200;
    EXPECT_GT(opaque, size.Width * size.Height / 10) << "the image holds the glyph";
    glyph->drop();
}
