// The text layout rasterised into map.png's colour codes, as the game's map reader decodes them.
#include "tools/assetgen/maplayout.h"

#include "code/src/layout/mapcolors.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <cmath>

namespace
{
using assetgen::Canvas;

irr::video::SColor pixel(const Canvas& map, int x, int y)
{
    const assetgen::Colour& c = map.at(x, y);
    auto channel = [](float v) { return static_cast<irr::u32>(std::lround(v * 255)); };
    return irr::video::SColor(channel(c.a), channel(c.r), channel(c.g), channel(c.b));
}

// The codes as the layout's characters number them.
int floorNumber(const irr::video::SColor& color)
{
    return static_cast<int>(Belgarune::decodeMapColor(color));
}

int wallNumber(const irr::video::SColor& color)
{
    return static_cast<int>(Belgarune::decodeWallColor(color));
}

TEST(MapLayout, CharactersBecomeTheReadersCodes)
{
    std::string error;
    const Canvas map = assetgen::rasteriseLayout({"# every code once", "at 10,20", "12345", "ABCDEFG.x"}, error);
    ASSERT_NE(error.find("unknown character 'x'"), std::string::npos) << error;

    const Canvas good = assetgen::rasteriseLayout({"# every code once", "at 10,20", "12345", "ABCDEFG. "}, error);
    ASSERT_TRUE(error.empty()) << error;
    ASSERT_EQ(good.width(), 500);
    ASSERT_EQ(good.height(), 500);
    for (int floor = 1; floor <= 5; ++floor)
    {
        EXPECT_EQ(floorNumber(pixel(good, 9 + floor, 20)), floor);
        EXPECT_EQ(wallNumber(pixel(good, 9 + floor, 20)), 0);
    }
    for (int wall = 1; wall <= 7; ++wall)
    {
        EXPECT_EQ(wallNumber(pixel(good, 9 + wall, 21)), wall);
        EXPECT_EQ(floorNumber(pixel(good, 9 + wall, 21)), 0);
    }
    EXPECT_EQ(floorNumber(pixel(good, 17, 21)), 0);
    EXPECT_EQ(wallNumber(pixel(good, 17, 21)), 0);
    EXPECT_EQ(pixel(good, 0, 0).getAlpha(), 0u) << "untouched cells are nothing";
}

TEST(MapLayout, BlocksArePlacedWhereTheyAreAnnounced)
{
    std::string error;
    const Canvas map = assetgen::rasteriseLayout({"at 100,50", "1", "at 300,400", ".2", "4"}, error);
    ASSERT_TRUE(error.empty()) << error;
    EXPECT_EQ(floorNumber(pixel(map, 100, 50)), 1);
    EXPECT_EQ(floorNumber(pixel(map, 301, 400)), 2);
    EXPECT_EQ(floorNumber(pixel(map, 300, 401)), 4);
    EXPECT_EQ(floorNumber(pixel(map, 300, 400)), 0);
}

TEST(MapLayout, FaultsNameTheirLine)
{
    std::string error;
    assetgen::rasteriseLayout({"111"}, error);
    EXPECT_NE(error.find("line 1"), std::string::npos) << error;
    assetgen::rasteriseLayout({"# row 0 lies outside the grid", "at 5,0", "1"}, error);
    EXPECT_NE(error.find("line 3: cell outside the map"), std::string::npos) << error;
    assetgen::rasteriseLayout({"at 498,10", "111"}, error);
    EXPECT_NE(error.find("outside"), std::string::npos) << error;
    assetgen::rasteriseLayout({"at 499,"}, error);
    EXPECT_NE(error.find("expected"), std::string::npos) << error;
}

TEST(MapLayout, TheBuiltMapHoldsTheTestLayout)
{
    irr::SIrrlichtCreationParameters parameters;
    parameters.DriverType = irr::video::EDT_NULL;
    parameters.LoggingLevel = irr::ELL_NONE;
    irr::IrrlichtDevice* device = irr::createDeviceEx(parameters);
    irr::video::IImage* map =
        device->getVideoDriver()->createImageFromFile((std::string(BELGARUNE_GAME_DIR) + "/gamedata/map.png").c_str());
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->getDimension(), irr::core::dimension2du(500, 500));
    int floors = 0, walls = 0;
    for (irr::u32 y = 0; y < 500; ++y)
        for (irr::u32 x = 0; x < 500; ++x)
        {
            floors += floorNumber(map->getPixel(x, y)) != 0 ? 1 : 0;
            walls += wallNumber(map->getPixel(x, y)) != 0 ? 1 : 0;
        }
    EXPECT_GT(floors, 50);
    EXPECT_GT(walls, 30);
    map->drop();
    device->drop();
}
} // namespace
