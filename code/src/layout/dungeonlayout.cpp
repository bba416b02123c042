#include "code/src/layout/dungeonlayout.h"

#include "code/src/world/gameworld.h"
#include "code/src/world/idungeonview.h"
#include "code/src/layout/mapimage.h"
#include "code/src/layout/mappixels.h"
#include "platform/textfile.h"
#include "talvoren/log.h"

#include <IImage.h>

namespace Belgarune
{
namespace
{
// The floor codes whose cells get a floor piece of the same code.
bool isPlainFloor(FloorCode code)
{
    return code == FloorCode::Plain || code == FloorCode::Patterned || code == FloorCode::Gloomy;
}

// A floor neighbour of a wall pixel and the side of its cell facing the wall.
struct WallNeighbour
{
    irr::s32 dx;
    irr::s32 dy;
    WallSide side;
};

const WallNeighbour kWallNeighbours[] = {
    {0, 1, WallSide::PlusZ}, {0, -1, WallSide::MinusZ}, {-1, 0, WallSide::PlusX}, {1, 0, WallSide::MinusX}};

MapCoord cellOfPixel(irr::s32 x, irr::s32 y)
{
    return MapCoord(x, 0, GameWorld::kGridSize - y);
}

void placeFloor(const MapPixels& map, irr::s32 x, irr::s32 y, GameWorld& world, IDungeonView& view)
{
    const FloorCode code = map.floorAt(x, y);
    const MapCoord cell = cellOfPixel(x, y);
    if (isPlainFloor(code))
    {
        world.setCell(cell, code);
        view.placeFloor(cell, code);
    }
    else if (code == FloorCode::Sealed)
    {
        world.setCell(cell, FloorCode::Plain);
        world.setWalkable(cell, false);
    }
    else if (code == FloorCode::Dark)
    {
        const bool besidePlain = map.floorAt(x, y + 1) == FloorCode::Plain || map.floorAt(x, y - 1) == FloorCode::Plain;
        const FloorCode kind = besidePlain ? FloorCode::DarkEdge : FloorCode::Dark;
        world.setCell(cell, kind);
        view.placeFloor(cell, kind);
    }
}

void placeWalls(const MapPixels& map, irr::s32 x, irr::s32 y, IDungeonView& view)
{
    const WallType wall = map.wallAt(x, y);
    if (wall == WallType::None)
        return;
    for (const WallNeighbour& neighbour : kWallNeighbours)
    {
        const irr::s32 floorX = x + neighbour.dx;
        const irr::s32 floorY = y + neighbour.dy;
        // Row 0 lies outside the grid and holds no floor.
        if (floorY == 0 || map.floorAt(floorX, floorY) == FloorCode::None)
            continue;
        view.placeWall(cellOfPixel(floorX, floorY), wall, neighbour.side);
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
            // Row 0 would be cell index 500, outside the grid: no floor
            // there, but its walls stand on the floors of row 1.
            if (y == 0 && map.floorAt(x, y) != FloorCode::None)
            {
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
        Talvoren::logError(L"MAP: Row 0 of %p lies outside the grid; its floors are skipped", name);
    view.refreshMapView();
    return true;
}
} // namespace Belgarune
