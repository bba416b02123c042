// Every generated picture loads through Irrlicht, with the sizes and looks the displays rely on.
#include "tests/support/quietnulldevice.h"
#include "tools/assetgen/assettable.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace
{
using namespace irr;

const std::string kGameDir = BELGARUNE_GAME_DIR;

class GeneratedImages : public testsupport::QuietNullDeviceTest
{
protected:
    void TearDown() override
    {
        for (video::IImage* image : m_images)
            image->drop();
        QuietNullDeviceTest::TearDown();
    }

    video::IImage* image(const std::string& path)
    {
        video::IImage* loaded = m_device->getVideoDriver()->createImageFromFile((kGameDir + "/" + path).c_str());
        if (loaded)
            m_images.push_back(loaded);
        return loaded;
    }

    //! Mean luminance (0..255) of a rectangle of an image.
    float luminance(video::IImage* picture, u32 x0, u32 y0, u32 x1, u32 y1)
    {
        double sum = 0;
        for (u32 y = y0; y < y1; ++y)
            for (u32 x = x0; x < x1; ++x)
            {
                const video::SColor c = picture->getPixel(x, y);
                sum += 0.299 * c.getRed() + 0.587 * c.getGreen() + 0.114 * c.getBlue();
            }
        return static_cast<float>(sum / ((x1 - x0) * (y1 - y0)));
    }

    float meanLuminance(video::IImage* picture)
    {
        return luminance(picture, 0, 0, picture->getDimension().Width, picture->getDimension().Height);
    }

    std::vector<video::IImage*> m_images;
};

bool powerOfTwo(u32 n) { return n != 0 && (n & (n - 1)) == 0; }

TEST_F(GeneratedImages, EveryPictureLoads)
{
    int pictures = 0;
    for (const assetgen::AssetEntry& entry : assetgen::assetTable())
    {
        if (entry.family != assetgen::AssetFamily::Image && entry.family != assetgen::AssetFamily::Font)
            continue;
        video::IImage* picture = image(entry.path);
        ASSERT_NE(picture, nullptr) << entry.path;
        EXPECT_GE(picture->getDimension().Width, 16u) << entry.path;
        EXPECT_GE(picture->getDimension().Height, 16u) << entry.path;
        ++pictures;
    }
    EXPECT_GT(pictures, 100);
}

TEST_F(GeneratedImages, PicturesHavePowerOfTwoSizes)
{
    // Picture nodes map image pixels through the texture's size; the map's 500 x 500 is fixed by its reader.
    for (const assetgen::AssetEntry& entry : assetgen::assetTable())
    {
        if (entry.family != assetgen::AssetFamily::Image || entry.path == "gamedata/map.png")
            continue;
        video::IImage* picture = image(entry.path);
        ASSERT_NE(picture, nullptr) << entry.path;
        EXPECT_TRUE(powerOfTwo(picture->getDimension().Width)) << entry.path;
        EXPECT_TRUE(powerOfTwo(picture->getDimension().Height)) << entry.path;
    }
    video::IImage* hearts = image("gamedata/gui/hp.png");
    EXPECT_EQ(hearts->getDimension(), core::dimension2du(128, 64));
    video::IImage* staff = image("gamedata/gui/lines.png");
    EXPECT_GE(staff->getDimension().Width, 4 * staff->getDimension().Height) << "a wide staff";
    video::IImage* clef = image("gamedata/gui/key1.png");
    EXPECT_GT(clef->getDimension().Height, clef->getDimension().Width) << "authored turned";
    for (const char* logo : {"gamedata/tq_logo.png", "gamedata/irr_logo.png", "gamedata/klang_logo.png"})
    {
        video::IImage* picture = image(logo);
        ASSERT_NE(picture, nullptr) << logo;
        EXPECT_LE(picture->getDimension().Width, 640u) << logo;
        EXPECT_LE(picture->getDimension().Height, 480u) << logo;
    }
}

TEST_F(GeneratedImages, StaffLanesLieWhereTheNotesTravel)
{
    // Notes of tones 4..0 travel along these heights of the staff picture.
    const float lanes[5] = {0.152f, 0.284f, 0.416f, 0.548f, 0.680f};
    for (const char* path : {"gamedata/gui/lines.png", "gamedata/gui/lines2.png"})
    {
        video::IImage* staff = image(path);
        ASSERT_NE(staff, nullptr) << path;
        const u32 w = staff->getDimension().Width, h = staff->getDimension().Height;
        auto alphaAlong = [&](float v) {
            const u32 y = static_cast<u32>(v * h);
            double sum = 0;
            for (u32 x = w / 4; x < 3 * w / 4; ++x)
                sum += staff->getPixel(x, y).getAlpha();
            return sum / (w / 2);
        };
        for (int lane = 0; lane < 5; ++lane)
        {
            const float between = lane < 4 ? (lanes[lane] + lanes[lane + 1]) / 2 : lanes[lane] + 0.066f;
            EXPECT_GT(alphaAlong(lanes[lane]), alphaAlong(between) + 40) << path << " lane " << lane;
        }
    }
}

TEST_F(GeneratedImages, LetterAtlasesHoldTheLetterGrid)
{
    for (const char* path : {"gamedata/objects/font.png", "gamedata/objects/font2.png"})
    {
        video::IImage* atlas = image(path);
        ASSERT_NE(atlas, nullptr);
        EXPECT_GE(atlas->getDimension().Width, 936u);
        EXPECT_GE(atlas->getDimension().Height, 234u);
        // The 'a' cell holds ink, the gap between cells does not.
        u32 inkInCell = 0, inkInGap = 0;
        for (u32 y = 0; y < 70; ++y)
            for (u32 x = 0; x < 70; ++x)
                inkInCell += atlas->getPixel(x, y).getAlpha() > 128 ? 1 : 0;
        for (u32 y = 0; y < 234; ++y)
            inkInGap += atlas->getPixel(76, y).getAlpha() > 200 ? 1 : 0;
        EXPECT_GT(inkInCell, 100u) << path;
        EXPECT_EQ(inkInGap, 0u) << path;
    }
}

TEST_F(GeneratedImages, LettersStayInsideTheirGlyphSquares)
{
    // Only the upper-left 70 x 70 of each 78-pixel cell is drawn on the walls: ink beyond it is cut off.
    for (const char* path : {"gamedata/objects/font.png", "gamedata/objects/font2.png"})
    {
        video::IImage* atlas = image(path);
        ASSERT_NE(atlas, nullptr) << path;
        u32 stray = 0;
        for (u32 y = 0; y < atlas->getDimension().Height; ++y)
            for (u32 x = 0; x < atlas->getDimension().Width; ++x)
            {
                const bool inGlyph = x % 78 < 70 && y % 78 < 70 && y < 3 * 78;
                stray += !inGlyph && atlas->getPixel(x, y).getAlpha() > 8 ? 1 : 0;
            }
        EXPECT_EQ(stray, 0u) << path;
    }
}

TEST_F(GeneratedImages, SystemFontIsABitmapFontOfPrintableAscii)
{
    gui::IGUIFont* font = m_device->getGUIEnvironment()->getFont((kGameDir + "/Talvoren/systemFont.bmp").c_str());
    ASSERT_NE(font, nullptr);
    ASSERT_EQ(font->getType(), gui::EGFT_BITMAP);
    auto* bitmap = static_cast<gui::IGUIFontBitmap*>(font);
    EXPECT_EQ(bitmap->getSpriteBank()->getPositions().size(), 95u);
    const core::dimension2du letter = font->getDimension(L"A");
    EXPECT_EQ(letter.Width, 8u);
    EXPECT_EQ(letter.Height, 17u);
    EXPECT_EQ(font->getDimension(L"iW").Width, 16u) << "monospace";
}

TEST_F(GeneratedImages, FloorsWarnThePlayer)
{
    const float plain = meanLuminance(image("gamedata/objects/QVBoden1.png"));
    const float dark = meanLuminance(image("gamedata/objects/QVBoden4.png"));
    EXPECT_LT(dark, plain * 0.5f) << "the deadly floor is clearly darker";
    // The grey floor has no colour of its own.
    video::IImage* grey = image("gamedata/objects/QVBoden3.png");
    const video::SColor centre = grey->getPixel(100, 60);
    EXPECT_LE(std::abs(static_cast<int>(centre.getRed()) - static_cast<int>(centre.getBlue())), 12);
}

TEST_F(GeneratedImages, TransitionFloorIsSymmetricTopToBottom)
{
    video::IImage* tile = image("gamedata/objects/QVBoden4Uebergang.png");
    const u32 w = tile->getDimension().Width, h = tile->getDimension().Height;
    const float top = luminance(tile, 0, 0, w, h / 8);
    const float bottom = luminance(tile, 0, h - h / 8, w, h);
    const float middle = luminance(tile, 0, h / 2 - h / 16, w, h / 2 + h / 16);
    EXPECT_GT(top, middle * 1.5f);
    EXPECT_GT(bottom, middle * 1.5f);
    EXPECT_NEAR(top, bottom, 0.25f * top);
}

//! Mean green difference between columns `a` and `b` of a picture (rows when `rows`).
double lineStep(video::IImage* tile, u32 a, u32 b, bool rows)
{
    const u32 length = rows ? tile->getDimension().Width : tile->getDimension().Height;
    double sum = 0;
    for (u32 i = 0; i < length; ++i)
    {
        const video::SColor p = rows ? tile->getPixel(i, a) : tile->getPixel(a, i);
        const video::SColor q = rows ? tile->getPixel(i, b) : tile->getPixel(b, i);
        sum += std::abs(static_cast<int>(p.getGreen()) - static_cast<int>(q.getGreen()));
    }
    return sum / length;
}

//! Across the wrap the colour changes no more than between neighbouring lines inside.
bool wrapsSeamlessly(video::IImage* tile, bool rows)
{
    const u32 lines = rows ? tile->getDimension().Height : tile->getDimension().Width;
    double inside = 0;
    for (u32 i = 1; i + 1 < lines; i += lines / 16)
        inside += lineStep(tile, i, i + 1, rows);
    inside /= 16;
    return lineStep(tile, lines - 1, 0, rows) < inside * 2.5 + 2;
}

TEST_F(GeneratedImages, StoneTilesAreSeamless)
{
    // Floor tiles and the fog repeat both ways, wall panels and the transition tile side by side.
    for (const char* path : {"gamedata/objects/QVBoden1.png", "gamedata/objects/QVBoden2.png",
                             "gamedata/objects/QVBoden3.png", "gamedata/objects/QVBoden4.png",
                             "gamedata/objects/fog.jpg"})
    {
        video::IImage* tile = image(path);
        ASSERT_NE(tile, nullptr) << path;
        EXPECT_TRUE(wrapsSeamlessly(tile, false)) << path << " left to right";
        EXPECT_TRUE(wrapsSeamlessly(tile, true)) << path << " top to bottom";
    }
    for (const char* path :
         {"gamedata/objects/QVBoden4Uebergang.png", "gamedata/objects/QVWallBig2.png",
          "gamedata/objects/QVWallBig2Lightversion.png", "gamedata/objects/QVWall3A2.png",
          "gamedata/objects/QVWall4.png", "gamedata/objects/QVWall4CreepyEdition.png", "gamedata/objects/QVWall5.png",
          "gamedata/objects/QVWall6.png", "gamedata/objects/QVWall6_2.png", "gamedata/objects/QVWall7.png"})
    {
        video::IImage* tile = image(path);
        ASSERT_NE(tile, nullptr) << path;
        EXPECT_TRUE(wrapsSeamlessly(tile, false)) << path << " left to right";
    }
}

TEST_F(GeneratedImages, SplashMarksAreColouredAndFadeToBlackAtTheirEdges)
{
    // Drawn without alpha on a black screen: a lit border would show the picture's rectangle.
    for (const char* path : {"gamedata/tq_logo.png", "gamedata/irr_logo.png", "gamedata/klang_logo.png"})
    {
        video::IImage* logo = image(path);
        ASSERT_NE(logo, nullptr) << path;
        const u32 w = logo->getDimension().Width, h = logo->getDimension().Height;
        EXPECT_LT(luminance(logo, 0, 0, w, 2), 3.0f) << path << " top edge";
        EXPECT_LT(luminance(logo, 0, h - 2, w, h), 3.0f) << path << " bottom edge";
        EXPECT_LT(luminance(logo, 0, 0, 2, h), 3.0f) << path << " left edge";
        EXPECT_LT(luminance(logo, w - 2, 0, w, h), 3.0f) << path << " right edge";
        // A designed mark, not words alone: the tone colours show in it.
        u32 vivid = 0;
        for (u32 y = 0; y < h; ++y)
            for (u32 x = 0; x < w; ++x)
            {
                const video::SColor c = logo->getPixel(x, y);
                const u32 high = std::max({c.getRed(), c.getGreen(), c.getBlue()});
                const u32 low = std::min({c.getRed(), c.getGreen(), c.getBlue()});
                vivid += high - low > 150 ? 1 : 0;
            }
        EXPECT_GT(vivid, w * h / 500) << path;
    }
}

TEST_F(GeneratedImages, MaskColourMapsKeepDarkEyesAndClipNoWhite)
{
    for (const char* path : {"gamedata/objects/QVMask1_cm.png", "gamedata/objects/QVMask2B_cm.png",
                             "gamedata/objects/QVMask3_cm.png", "gamedata/objects/QVSistermask.png"})
    {
        video::IImage* map = image(path);
        ASSERT_NE(map, nullptr) << path;
        const core::dimension2du size = map->getDimension();
        // The right eye socket's centre in face space (x 0.36, y 0.18).
        const u32 eyeX = size.Width * 68 / 100, eyeY = size.Height * 41 / 100;
        EXPECT_LT(luminance(map, eyeX - 4, eyeY - 4, eyeX + 4, eyeY + 4), 50.0f) << path << ": the eyes stay dark";
        u32 clipped = 0;
        for (u32 y = 0; y < size.Height; ++y)
            for (u32 x = 0; x < size.Width; ++x)
            {
                const video::SColor c = map->getPixel(x, y);
                clipped += std::max({c.getRed(), c.getGreen(), c.getBlue()}) >= 250 ? 1 : 0;
            }
        EXPECT_LT(clipped, size.Width * size.Height / 100) << path << ": no blown-out field";
    }
}

TEST_F(GeneratedImages, LitKeystonesGlow)
{
    for (const char* n : {"1", "2", "3"})
    {
        const float dormant = meanLuminance(image(std::string("gamedata/objects/QVKeystone") + n + "A.png"));
        const float lit = meanLuminance(image(std::string("gamedata/objects/QVKeystone") + n + "B.png"));
        EXPECT_GT(lit, dormant * 1.25f) << n;
    }
}

TEST_F(GeneratedImages, CutOutPicturesHaveTransparency)
{
    for (const char* path :
         {"gamedata/objects/QVBanner1.png", "gamedata/objects/QVBanner4.png", "gamedata/objects/qvRelief1.png",
          "gamedata/objects/qvRelief2.png", "gamedata/objects/blood1.png", "gamedata/objects/blood2.png",
          "gamedata/objects/blood3.png", "gamedata/gui/ColorNotepurple.png", "gamedata/gui/ColorNoteblue.png",
          "gamedata/gui/ColorNotegreen.png", "gamedata/gui/ColorNoteyellow.png", "gamedata/gui/ColorNotered.png",
          "gamedata/gui/hp.png", "gamedata/gui/QVTitle.png", "gamedata/gui/key1.png", "gamedata/gui/lines.png",
          "gamedata/objects/QVMapBack.png"})
    {
        video::IImage* picture = image(path);
        ASSERT_NE(picture, nullptr) << path;
        EXPECT_LT(picture->getPixel(0, 0).getAlpha(), 8u) << path << ": the corner is see-through";
        const core::dimension2du size = picture->getDimension();
        u32 opaque = 0;
        for (u32 y = 0; y < size.Height; ++y)
            for (u32 x = 0; x < size.Width; ++x)
                opaque += picture->getPixel(x, y).getAlpha() > 200 ? 1 : 0;
        EXPECT_GT(opaque, size.Width * size.Height / 20) << path;
    }
}

TEST_F(GeneratedImages, PicturesDrawnSolidAreOpaque)
{
    // Splash logos ignore texture alpha and the menu's strip and song pictures keep the solid material.
    for (const char* path : {"gamedata/tq_logo.png", "gamedata/irr_logo.png", "gamedata/klang_logo.png",
                             "gamedata/QVStrichMenu.png", "gamedata/gui/song1.png", "gamedata/gui/song2.png",
                             "gamedata/gui/song3.png", "gamedata/gui/song4.png", "gamedata/gui/song5.png",
                             "gamedata/gui/song6.png"})
    {
        video::IImage* picture = image(path);
        ASSERT_NE(picture, nullptr) << path;
        u32 seeThrough = 0;
        for (u32 y = 0; y < picture->getDimension().Height; ++y)
            for (u32 x = 0; x < picture->getDimension().Width; ++x)
                seeThrough += picture->getPixel(x, y).getAlpha() < 255 ? 1 : 0;
        EXPECT_EQ(seeThrough, 0u) << path;
    }
}
} // namespace
