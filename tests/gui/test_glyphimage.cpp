// Glyph bitmaps turned into images, and the UTF-32 string the font reads.

#include "gui/sguittglyph.h"
#include "gui/ustring.h"

#include <irrlicht.h>

#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace
{
class GlyphImage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_device = irr::createDevice(irr::video::EDT_NULL);
        ASSERT_NE(m_device, nullptr);
    }
    void TearDown() override { m_device->drop(); }

    irr::video::IImage* create(unsigned char pixelMode, unsigned width, unsigned rows, int pitch, unsigned char* pixels)
    {
        FT_Bitmap bitmap = {};
        bitmap.width = width;
        bitmap.rows = rows;
        bitmap.pitch = pitch;
        bitmap.buffer = pixels;
        bitmap.num_grays = 256;
        bitmap.pixel_mode = pixelMode;
        return irr::gui::SGUITTGlyph::createImage(bitmap, m_device->getVideoDriver());
    }

    irr::IrrlichtDevice* m_device = nullptr;
};
} // namespace

TEST_F(GlyphImage, GrayCoverageBecomesAlphaOnWhite)
{
    unsigned char pixels[] = {255, 128, 0, 1, 64, 200};
    irr::video::IImage* image = create(FT_PIXEL_MODE_GRAY, 3, 2, 3, pixels);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getColorFormat(), irr::video::ECF_A8R8G8B8);
    // The null driver wants square power-of-two textures: 4 x 3 becomes 4 x 4.
    EXPECT_EQ(image->getDimension(), irr::core::dimension2du(4, 4));
    const unsigned expected[] = {254, 127, 0, 0, 63, 199};
    for (unsigned i = 0; i < 6; ++i)
    {
        const irr::video::SColor pixel = image->getPixel(i % 3, i / 3);
        EXPECT_EQ(pixel.getAlpha(), expected[i]) << i;
        EXPECT_EQ(pixel.color & 0xFFFFFF, 0xFFFFFFu);
    }
    EXPECT_EQ(image->getPixel(3, 3).getAlpha(), 0u) << "the margin is clear";
    image->drop();
}

TEST_F(GlyphImage, MonoBitsSetOpaquePixels)
{
    // Ten pixels a row: two bytes, the leftmost pixel in bit 0x80.
    unsigned char pixels[] = {0x80, 0x40, 0x01, 0x00};
    irr::video::IImage* image = create(FT_PIXEL_MODE_MONO, 10, 2, 2, pixels);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getColorFormat(), irr::video::ECF_A1R5G5B5);
    EXPECT_EQ(image->getDimension(), irr::core::dimension2du(16, 16));
    const irr::u16* data = static_cast<const irr::u16*>(image->lock());
    const irr::u32 perRow = image->getPitch() / 2;
    EXPECT_EQ(data[0], 0xFFFF);
    EXPECT_EQ(data[1], 0x7FFF);
    EXPECT_EQ(data[9], 0xFFFF);
    EXPECT_EQ(data[perRow + 7], 0xFFFF);
    EXPECT_EQ(data[perRow + 0], 0x7FFF);
    EXPECT_EQ(data[perRow + 9], 0x7FFF);
    image->unlock();
    image->drop();
}

TEST_F(GlyphImage, OtherPixelModesGiveNoImage)
{
    unsigned char pixels[12] = {};
    EXPECT_EQ(create(FT_PIXEL_MODE_LCD, 1, 1, 12, pixels), nullptr);
    EXPECT_EQ(create(FT_PIXEL_MODE_BGRA, 1, 1, 4, pixels), nullptr);
}

TEST_F(GlyphImage, AnEmptyBitmapGivesAClearPixel)
{
    irr::video::IImage* image = create(FT_PIXEL_MODE_GRAY, 0, 0, 0, nullptr);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getDimension(), irr::core::dimension2du(1, 1));
    EXPECT_EQ(image->getPixel(0, 0).getAlpha(), 0u);
    image->drop();
}

TEST(UString, ConvertsWideTextsAndFindsLineBreaks)
{
    const irr::core::ustring text(L"a\u00e9\U0001F600\r\nb\rc\n");
    ASSERT_EQ(text.size(), 9u);
    EXPECT_EQ(text[2], 0x1F600u);
    EXPECT_TRUE(text.contains(0xE9));
    EXPECT_FALSE(text.contains(U'x'));
    EXPECT_EQ(text.getLineBreakLength(3), 2u);
    EXPECT_EQ(text.getLineBreakLength(4), 1u);
    EXPECT_EQ(text.getLineBreakLength(6), 1u);
    EXPECT_EQ(text.getLineBreakLength(8), 1u);
    EXPECT_EQ(text.getLineBreakLength(0), 0u);
    EXPECT_EQ(text.getLineBreakLength(9), 0u) << "beyond the end";
    EXPECT_EQ(irr::core::ustring(L"x\r").getLineBreakLength(1), 1u);
    EXPECT_EQ(text.findLineEnd(), 3u);
    EXPECT_EQ(text.substr(5).findLineEnd(), 1u);
    EXPECT_EQ(text.substr(20).size(), 0u);
    EXPECT_EQ(irr::core::ustring(L"abc").findLineEnd(), 3u);
    EXPECT_EQ(irr::core::ustring(static_cast<const wchar_t*>(nullptr)).size(), 0u);
    EXPECT_EQ(irr::core::ustring(irr::core::stringw(L"xy")).size(), 2u);
}
