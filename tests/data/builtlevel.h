#pragma once
// The level as the game builds it: the assembled tree's map.png decoded and
// laid into a world grid, on a device with the null driver.

#include "code/src/layout/dungeonlayout.h"
#include "code/src/layout/mapimage.h"
#include "code/src/layout/mappixels.h"
#include "code/src/world/mapcoord.h"
#include "code/src/world/gameworld.h"
#include "tests/support/nulldevice.h"
#include "tests/support/recordingview.h"

#include <IImage.h>

#include <memory>
#include <string>

namespace datatest
{
//! A file of the assembled game tree.
inline std::string gameFile(const std::string& path)
{
    return std::string(BELGARUNE_GAME_DIR) + "/" + path;
}

class BuiltLevelTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        irr::video::IImage* image = Belgarune::loadMapImage(*m_device->getVideoDriver(), gameFile("gamedata/map.png"));
        ASSERT_NE(image, nullptr);
        m_pixels = std::make_unique<Belgarune::MapPixels>(*image);
        image->drop();
        m_world = std::make_unique<Belgarune::GameWorld>();
        ASSERT_EQ(Belgarune::buildDungeonLayout(*m_pixels, *m_world, m_view), 0);
    }

    bool isFloor(irr::s32 x, irr::s32 y) const { return m_pixels->floorAt(x, y) != Belgarune::FloorCode::None; }
    bool isWall(irr::s32 x, irr::s32 y) const { return m_pixels->wallAt(x, y) != Belgarune::WallType::None; }
    //! Whether the grid lets a body stand on map cell (x, y).
    bool isWalkable(irr::s32 x, irr::s32 y) const
    {
        return m_world->isWalkable(x, Belgarune::GameWorld::kGridSize - y) == 1;
    }
    //! Lets a body stand on map cell (x, y), or not, as setWalkable in a script does.
    void setWalkable(irr::s32 x, irr::s32 y, bool walkable)
    {
        m_world->setWalkable(Belgarune::MapCoord(x, 0, Belgarune::GameWorld::kGridSize - y), walkable);
    }

    std::unique_ptr<Belgarune::MapPixels> m_pixels;
    std::unique_ptr<Belgarune::GameWorld> m_world;
    testsupport::RecordingView m_view;
};
} // namespace datatest
