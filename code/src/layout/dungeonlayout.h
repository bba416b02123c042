#pragma once
// The dungeon's floor plan from map.png: floors and walls into the world grid
// and the view's level pieces.

#include <irrTypes.h>

#include <string>

namespace irr
{
namespace video
{
class IVideoDriver;
}
} // namespace irr

namespace Belgarune
{
class GameWorld;
class IDungeonView;
class MapPixels;

//! Pixel (x, y) stands for cell (x, 500 - y). Writes floor codes and
//! walkability and has the view place floor pieces and wall pieces (on the
//! floor neighbours of a wall pixel, each on the side facing it). Row 0 would be cell
//! index 500, outside the grid: its floor pixels place nothing, while its wall
//! pixels put up walls on the floors of row 1. Returns the number of row 0
//! floor pixels.
irr::s32 buildDungeonLayout(const MapPixels& map, GameWorld& world, IDungeonView& view);

//! Reads the image file's own pixels (loadMapImage), builds the layout and
//! lets the map view rebuild its picture. A file that cannot be read logs an
//! error, leaves the grid untouched (all blocked in a new world) and gives false.
bool readDungeonLayout(irr::video::IVideoDriver& driver, const std::string& path, GameWorld& world,
                       IDungeonView& view);
} // namespace Belgarune
