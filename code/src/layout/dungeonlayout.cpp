#include "code/src/layout/dungeonlayout.h"

#include "code/src/world/gameworld.h"
#include "code/src/world/idungeonview.h"
#include "code/src/layout/mapcolors.h"
#include "code/src/layout/mapimage.h"
#include "code/src/layout/mappixels.h"
#include "platform/textfile.h"
#include "talvoren/log.h"

#include <IImage.h>

namespace Belgarune
{
namespace
{
const irr::s32 kFloorPiece = 0;
const irr::s32 kWallPiece = 1;
const irr::s32 kNoExtra = -1;

// The floor codes whose cells get a floor piece of the same number.
bool isPlainFloor(irr::s32 code)
{
    return code == 1 || code == 2 || code == 4;
}

// A floor neighbour of a wall pixel and the side of its cell facing the wall.
struct WallNeighbour
{
    irr::s32 dx;
    irr::s32 dy;
    irr::s32 side;
};

const WallNeighbour kWallNeighbours[] = {{0, 1, 1}, {0, -1, 2}, {-1, 0, 3}, {1, 0, 4}};

MapCoord cellOfPixel(irr::s32 x, irr::s32 y)
{
    return MapCoord(x, 0, GameWorld::kGridSize - y);
}

void placeFloor(const MapPixels& map, irr::s32 x, irr::s32 y, GameWorld& world, IDungeonView& view)
{
    const irr::s32 code = decodeMapColor(map.at(x, y));
    const MapCoord cell = cellOfPixel(x, y);
    if (isPlainFloor(code))
    {
        world.setCell(cell, code);
        view.placeObject(kFloorPiece, cell, code, 0, kNoExtra);
    }
    else if (code == 3)
    {
        world.setCell(cell, 1);
        world.setWalkable(cell, false);
    }
    else if (code == 5)
    {
        const bool besideBlue = decodeMapColor(map.at(x, y + 1)) == 1 || decodeMapColor(map.at(x, y - 1)) == 1;
        const irr::s32 kind = besideBlue ? 6 : 5;
        world.setCell(cell, kind);
        view.placeObject(kFloorPiece, cell, kind, 0, kNoExtra);
    }
}

void placeWalls(const MapPixels& map, irr::s32 x, irr::s32 y, IDungeonView& view)
{
    const irr::s32 wallCode = decodeWallColor(map.at(x, y));
    if (wallCode == 0)
        return;
    for (const WallNeighbour& neighbour : kWallNeighbours)
    {
        const irr::s32 floorX = x + neighbour.dx;
        const irr::s32 floorY = y + neighbour.dy;
        // Row 0 lies outside the grid and holds no floor.
        if (floorY == 0 || decodeMapColor(map.at(floorX, floorY)) == 0)
            continue;
        view.placeObject(kWallPiece, cellOfPixel(floorX, floorY), wallCode, neighbour.side, kNoExtra);
    }
}
} // namespace

irr::s32 buildDungeonLayout(const MapPixels& map, GameWorld& world, IDungeonView& view)
{
    irr::s32 skipped = 0;
    for (irr::s32 x = 0; x < map.getWidth(); ++x)
    {
        for (irr::s32 y = 0; y < map.getHeight(); ++y)
        {
            if (y == 0)
            {
                const irr::video::SColor color = map.at(x, y);
                if (decodeMapColor(color) != 0 || decodeWallColor(color) != 0)
                    ++skipped;
                continue;
            }
            placeFloor(map, x, y, world, view);
            placeWalls(map, x, y, view);
        }
    }
    return skipped;
}

bool readDungeonLayout(irr::video::IVideoDriver& driver, const std::string& path, GameWorld& world,
                       IDungeonView& view)
{
    const irr::core::stringw name = platform::widen(path).c_str();
    irr::video::IImage* image = loadMapImage(driver, path);
    if (!image)
    {
        Talvoren::logError(L"MAP: Could not read the dungeon layout %p; the dungeon stays closed", name);
        view.refreshMapView();
        return false;
    }
    const MapPixels map(*image);
    image->drop();

    if (buildDungeonLayout(map, world, view) > 0)
        Talvoren::logError(L"MAP: Row 0 of %p lies outside the grid; its colours are skipped", name);
    view.refreshMapView();
    return true;
}
} // namespace Belgarune
