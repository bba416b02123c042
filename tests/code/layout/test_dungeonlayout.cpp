#include "code/src/layout/dungeonlayout.h"
#include "code/src/world/gameworld.h"
#include "code/src/layout/mapcolors.h"
#include "code/src/world/mapcoord.h"
#include "code/src/layout/mappixels.h"
#include "tests/support/recordingview.h"
#include "tests/support/quietnulldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using Belgarune::FloorCode;
using Belgarune::GameWorld;
using Belgarune::WallType;
using irr::video::SColor;
using testsupport::Placement;
using testsupport::RecordingView;

namespace
{
const SColor kNothing(0, 0, 0, 0);
const SColor kBlue(255, 0, 0, 255);
const SColor kLilac(255, 150, 150, 255);
const SColor kGreen(255, 0, 255, 0);
const SColor kGrey(255, 150, 150, 150);
const SColor kDarkGrey(255, 100, 100, 100);
const SColor kWhite(255, 255, 255, 255);

TEST(MapColorTest, FloorAndWallTablesMatchOnlyOpaqueColours)
{
    EXPECT_EQ(Belgarune::decodeMapColor(kBlue), FloorCode::Plain);
    EXPECT_EQ(Belgarune::decodeMapColor(kLilac), FloorCode::Patterned);
    EXPECT_EQ(Belgarune::decodeMapColor(kGreen), FloorCode::Sealed);
    EXPECT_EQ(Belgarune::decodeMapColor(kGrey), FloorCode::Gloomy);
    EXPECT_EQ(Belgarune::decodeMapColor(kDarkGrey), FloorCode::Dark);
    EXPECT_EQ(Belgarune::decodeMapColor(SColor(254, 0, 0, 255)), FloorCode::None);
    EXPECT_EQ(Belgarune::decodeMapColor(SColor(255, 0, 0, 254)), FloorCode::None);
    EXPECT_EQ(Belgarune::decodeMapColor(kNothing), FloorCode::None);

    const std::vector<SColor> walls = {kWhite,
                                       SColor(255, 255, 200, 200),
                                       SColor(255, 255, 150, 150),
                                       SColor(255, 255, 255, 150),
                                       SColor(255, 255, 150, 255),
                                       SColor(255, 150, 255, 150),
                                       SColor(255, 0, 255, 255)};
    for (std::size_t k = 0; k < walls.size(); ++k)
    {
        EXPECT_EQ(static_cast<std::size_t>(Belgarune::decodeWallColor(walls[k])), k + 1);
        EXPECT_EQ(Belgarune::decodeMapColor(walls[k]), FloorCode::None);
        SColor translucent = walls[k];
        translucent.setAlpha(254);
        EXPECT_EQ(Belgarune::decodeWallColor(translucent), WallType::None);
    }
    for (const SColor& floor : {kBlue, kLilac, kGreen, kGrey, kDarkGrey})
        EXPECT_EQ(Belgarune::decodeWallColor(floor), WallType::None);
}

TEST(MapColorTest, GridToWorldTurnsTheMapUpsideDown)
{
    EXPECT_EQ(Belgarune::gridToWorld({3, 7}), irr::core::vector3df(30.0f, 0.0f, 4930.0f));
    EXPECT_EQ(Belgarune::gridToWorld({0, 500}), irr::core::vector3df(0.0f, 0.0f, 0.0f));
    const irr::core::vector3df far = Belgarune::gridToWorld(
        {std::numeric_limits<irr::s32>::max(), std::numeric_limits<irr::s32>::min()});
    EXPECT_FLOAT_EQ(far.X, 21474836470.0f);
    EXPECT_FLOAT_EQ(far.Z, 21474841480.0f);
}

// Pixels by (x, y); everything else has no colour.
using Pixels = std::map<std::pair<int, int>, SColor>;

class DungeonLayoutTest : public testsupport::QuietNullDeviceTest
{
protected:
    irr::video::IVideoDriver& driver() { return *m_device->getVideoDriver(); }

    void writeMap(const std::string& path, irr::u32 width, irr::u32 height, const Pixels& pixels,
                  irr::video::ECOLOR_FORMAT format = irr::video::ECF_A8R8G8B8)
    {
        irr::video::IImage* image = driver().createImage(format, irr::core::dimension2du(width, height));
        image->fill(kNothing);
        for (const auto& [at, color] : pixels)
            image->setPixel(at.first, at.second, color);
        testsupport::writeFile(path, ""); // creates the folders
        ASSERT_TRUE(driver().writeImageToFile(image, path.c_str()));
        image->drop();
    }

    //! Writes the map, reads it into m_world and returns the placements.
    std::vector<Placement> readMap(irr::u32 width, irr::u32 height, const Pixels& pixels)
    {
        writeMap("gamedata/map.png", width, height, pixels);
        EXPECT_TRUE(Belgarune::readDungeonLayout(driver(), "gamedata/map.png", *m_world, m_view));
        EXPECT_EQ(m_view.mapRefreshes, 1);
        return m_view.placements;
    }

    testsupport::TempWorkDir m_directory;
    std::unique_ptr<GameWorld> m_world = std::make_unique<GameWorld>();
    RecordingView m_view;
};

Pixels whiteAround(int width, int height, const Pixels& inner)
{
    Pixels pixels;
    for (int x = 0; x < width; ++x)
        for (int y = 1; y < height; ++y) // row 0 stays empty
            pixels[{x, y}] = kWhite;
    for (const auto& [at, color] : inner)
        pixels[at] = color;
    return pixels;
}

TEST_F(DungeonLayoutTest, SingleFloorPixelGetsItsFloorAndFourWalls)
{
    const std::vector<Placement> placements = readMap(5, 5, whiteAround(5, 5, {{{2, 2}, kBlue}}));
    const std::vector<Placement> expected = {
        {1, 2, 498, 1, 4, -1}, // the wall pixel to the left, column 1
        {1, 2, 498, 1, 1, -1}, // above
        {0, 2, 498, 1, 0, -1}, // the floor itself
        {1, 2, 498, 1, 2, -1}, // below
        {1, 2, 498, 1, 3, -1}, // to the right, column 3
    };
    EXPECT_EQ(placements, expected);
    EXPECT_EQ(m_world->getCellValue(2, 498), 1);
    EXPECT_EQ(m_world->isWalkable(2, 498), 1);
    EXPECT_EQ(m_world->getCellValue(2, 499), 0); // a wall pixel's own cell stays blocked
    EXPECT_EQ(m_world->isWalkable(2, 499), 0);
    EXPECT_FALSE(m_world->collides(Belgarune::gridToWorld({2, 2}), false));
}

TEST_F(DungeonLayoutTest, WallPiecesCarryTheirWallCode)
{
    const SColor wall5(255, 255, 150, 255);
    const std::vector<Placement> placements = readMap(3, 3, {{{1, 1}, wall5}, {{1, 2}, kLilac}, {{2, 1}, kGrey}});
    const std::vector<Placement> expected = {
        {1, 1, 498, 5, 1, -1}, // the lilac floor below the wall
        {1, 2, 499, 5, 4, -1}, // the grey floor right of it
        {0, 1, 498, 2, 0, -1},
        {0, 2, 499, 4, 0, -1},
    };
    EXPECT_EQ(placements, expected);
    EXPECT_EQ(m_world->getCellValue(1, 498), 2);
    EXPECT_EQ(m_world->getCellValue(2, 499), 4);
}

TEST_F(DungeonLayoutTest, DarkGreyBecomesKindSixOnlyBetweenBluePixelsVertically)
{
    const std::vector<Placement> placements = readMap(
        6, 4, {{{1, 1}, kBlue}, {{1, 2}, kDarkGrey}, {{1, 3}, kBlue}, {{3, 2}, kBlue}, {{4, 2}, kDarkGrey},
               {{5, 2}, kBlue}});
    EXPECT_EQ(m_world->getCellValue(1, 498), 6);
    EXPECT_EQ(m_world->getCellValue(4, 498), 5);
    EXPECT_EQ(m_world->isWalkable(4, 498), 1);
    EXPECT_EQ(std::count(placements.begin(), placements.end(), Placement{0, 1, 498, 6, 0, -1}), 1);
    EXPECT_EQ(std::count(placements.begin(), placements.end(), Placement{0, 4, 498, 5, 0, -1}), 1);
}

TEST_F(DungeonLayoutTest, GreenIsKindOneButBlockedAndDrawsNothing)
{
    const std::vector<Placement> placements = readMap(3, 3, {{{1, 1}, kGreen}});
    EXPECT_TRUE(placements.empty());
    EXPECT_EQ(m_world->getCellValue(1, 499), 1);
    EXPECT_EQ(m_world->isWalkable(1, 499), 0);
    EXPECT_TRUE(m_world->collides(Belgarune::gridToWorld({1, 1}), true));
}

TEST_F(DungeonLayoutTest, AlmostOpaqueColoursCodeNothing)
{
    const std::vector<Placement> placements =
        readMap(3, 3, {{{1, 1}, SColor(254, 0, 0, 255)}, {{1, 2}, SColor(254, 255, 255, 255)}, {{2, 1}, kBlue}});
    EXPECT_EQ(placements, (std::vector<Placement>{{0, 2, 499, 1, 0, -1}}));
    EXPECT_EQ(m_world->getCellValue(1, 499), 0);
}

TEST_F(DungeonLayoutTest, RowZeroWallsStandOnRowOneAndRowZeroFloorsAreSkippedAndReportedOnce)
{
    testing::internal::CaptureStderr();
    const std::vector<Placement> placements =
        readMap(3, 3, {{{0, 0}, kBlue}, {{1, 0}, kWhite}, {{2, 0}, kBlue}, {{1, 1}, kBlue}, {{0, 1}, kWhite}});
    const std::string errors = testing::internal::GetCapturedStderr();
    // The floor in row 1 gets the walls of (0, 1) and of (1, 0) above it; the
    // floors of row 0 and the walls towards them place nothing.
    EXPECT_EQ(placements,
              (std::vector<Placement>{{1, 1, 499, 1, 4, -1}, {1, 1, 499, 1, 1, -1}, {0, 1, 499, 1, 0, -1}}));
    std::size_t reports = 0;
    for (std::size_t at = errors.find("Row 0"); at != std::string::npos; at = errors.find("Row 0", at + 1))
        ++reports;
    EXPECT_EQ(reports, 1u) << errors;
    EXPECT_NE(errors.find("gamedata/map.png"), std::string::npos);
}

TEST_F(DungeonLayoutTest, LargerImagesAreReadOnlyInsideTheGrid)
{
    const std::vector<Placement> placements =
        readMap(620, 510, {{{499, 10}, kBlue}, {{500, 10}, kWhite}, {{550, 10}, kBlue}, {{20, 505}, kBlue}});
    EXPECT_EQ(placements, (std::vector<Placement>{{0, 499, 490, 1, 0, -1}}));
    EXPECT_EQ(m_world->getCellValue(499, 490), 1);
}

TEST_F(DungeonLayoutTest, OpaqueFilesWithoutAlphaAndOddSpellingsAreRead)
{
    writeMap("GameData/Map.png", 3, 3, {{{1, 1}, kBlue}}, irr::video::ECF_R8G8B8);
    EXPECT_TRUE(Belgarune::readDungeonLayout(driver(), "gamedata\\map.PNG", *m_world, m_view));
    EXPECT_EQ(m_world->getCellValue(1, 499), 1);
}

std::string bigEndian(std::uint32_t value)
{
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

// A PNG chunk with the CRC that libpng checks.
std::string pngChunk(const std::string& type, const std::string& data)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : type + data)
    {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return bigEndian(static_cast<std::uint32_t>(data.size())) + type + data + bigEndian(~crc);
}

TEST_F(DungeonLayoutTest, GammaChunkOfTheFileDoesNotChangeTheColours)
{
    writeMap("gamedata/map.png", 3, 3, {{{1, 1}, kGrey}, {{1, 2}, kDarkGrey}, {{2, 1}, kLilac}});
    std::string png = testsupport::readFile("gamedata/map.png");
    // A linear gamma of 1.0 right after the header chunk, which ends at byte 33.
    ASSERT_EQ(png.compare(12, 4, "IHDR"), 0);
    png.insert(33, pngChunk("gAMA", bigEndian(100000)));
    testsupport::writeFile("gamedata/map.png", png);

    EXPECT_TRUE(Belgarune::readDungeonLayout(driver(), "gamedata/map.png", *m_world, m_view));
    EXPECT_EQ(m_world->getCellValue(1, 499), 4);
    EXPECT_EQ(m_world->getCellValue(1, 498), 5);
    EXPECT_EQ(m_world->getCellValue(2, 499), 2);
}

TEST_F(DungeonLayoutTest, MissingBrokenForgedOrForeignFileLeavesTheDungeonClosed)
{
    writeMap("gamedata/map.png", 3, 3, {{{1, 1}, kBlue}});
    std::string hugePng = testsupport::readFile("gamedata/map.png");
    hugePng.replace(8, 25, pngChunk("IHDR", bigEndian(100000) + bigEndian(100000) + hugePng.substr(24, 5)));
    // A bitmap with a negative width, which its own loader takes for a huge one.
    const unsigned char bitmapHeader[] = {'B', 'M', 0x5a, 0, 0,    0,    0,    0,    0, 0, 0x36, 0, 0, 0, 0x28,
                                          0,   0,   0,    3, 0xf9, 0xff, 0xff, 2,    0, 0, 0,    1, 0, 0x18, 0};
    std::string foreign(std::begin(bitmapHeader), std::end(bitmapHeader));
    foreign.append(100, '\0');
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"broken", "\x89PNG\r\n\x1a\nnot really"}, {"forged size", hugePng}, {"bitmap", foreign}};

    testing::internal::CaptureStderr();
    std::remove("gamedata/map.png");
    EXPECT_FALSE(Belgarune::readDungeonLayout(driver(), "gamedata/map.png", *m_world, m_view)) << "missing";
    for (const auto& [name, content] : damaged)
    {
        testsupport::writeFile("gamedata/map.png", content);
        EXPECT_FALSE(Belgarune::readDungeonLayout(driver(), "gamedata/map.png", *m_world, m_view)) << name;
    }
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Could not read the dungeon layout gamedata/map.png"), std::string::npos) << errors;
    EXPECT_TRUE(m_view.placements.empty());
    EXPECT_EQ(m_view.mapRefreshes, 4);
    for (irr::s32 i = 1; i < GameWorld::kGridSize; i += 7)
        for (irr::s32 j = 1; j < GameWorld::kGridSize; j += 7)
            ASSERT_EQ(m_world->isWalkable(i, j), 0);
}

TEST(MapPixelsTest, CodesNothingOutsideAndClipsToTheGrid)
{
    Belgarune::MapPixels pixels(900, -4);
    EXPECT_EQ(pixels.getWidth(), 500);
    EXPECT_EQ(pixels.getHeight(), 0);

    Belgarune::MapPixels small(2, 2);
    small.set(1, 1, kBlue);
    small.set(1, 0, kWhite);
    small.set(2, 1, kBlue);
    small.set(-1, 0, kBlue);
    EXPECT_EQ(small.floorAt(1, 1), FloorCode::Plain);
    EXPECT_EQ(small.wallAt(1, 1), WallType::None);
    EXPECT_EQ(small.wallAt(1, 0), WallType::Large);
    EXPECT_EQ(small.floorAt(1, 0), FloorCode::None);
    EXPECT_EQ(small.floorAt(0, 0), FloorCode::None);
    EXPECT_EQ(small.floorAt(2, 1), FloorCode::None);
    EXPECT_EQ(small.floorAt(-1, 0), FloorCode::None);
    EXPECT_EQ(small.floorAt(std::numeric_limits<irr::s32>::max(), std::numeric_limits<irr::s32>::min()),
              FloorCode::None);
}
} // namespace
