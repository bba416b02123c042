// The map view on the null driver: what a walk discovers, the window about
// the viewer, its place on the screen, and a viewer outside the grid.

#include "code/src/state/gamebase.h"
#include "code/src/view/mapview.h"
#include "code/src/world/gameworld.h"
#include "talvoren/picturescenenode.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

#include <memory>

using Belgarune::MapView;

namespace
{
const irr::u32 kClear = 0x00000000;
const irr::u32 kBlocked = 0xFFFFFFFF;
const irr::u32 kFree = 0xFF321964;
const irr::u32 kViewer = 0xFF0000FF;

class MapViewTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
        // A corridor along x at j = 10 in a blocked world.
        for (irr::s32 x = 10; x <= 14; ++x)
            g_gameBase->m_world->setWalkable(Belgarune::MapCoord(x, 0, 10), true);
        makeMap();
    }
    void TearDown() override
    {
        m_map.reset();
        g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
        NullDeviceTest::TearDown();
    }

    void makeMap()
    {
        m_map = std::make_unique<MapView>(m_device->getSceneManager());
        m_map->refresh();
    }

    //! The pixel of grid cell (i, j).
    irr::u32 cellPixel(irr::s32 i, irr::s32 j) const { return pixel(i, 500 - j); }
    irr::u32 pixel(irr::s32 x, irr::s32 y) const { return m_map->getImage()->getPixel(x, y).color; }

    std::unique_ptr<MapView> m_map;
};
} // namespace

TEST_F(MapViewTest, WalkingPaintsTheSeenCellsAndMovesTheViewersPixel)
{
    m_map->update(10, 10);
    struct Case
    {
        irr::s32 i;
        irr::s32 j;
        irr::u32 color;
    };
    const Case first[] = {{10, 10, kViewer}, {13, 10, kFree}, {10, 11, kBlocked}, {9, 10, kBlocked},
                          {14, 10, kFree}, {15, 10, kClear}, {12, 12, kClear}, {30, 30, kClear}};
    for (const Case& c : first)
        EXPECT_EQ(cellPixel(c.i, c.j), c.color) << "from (10, 10): cell " << c.i << ", " << c.j;

    m_map->update(11, 10);
    const Case second[] = {{10, 10, kFree}, {11, 10, kViewer}, {14, 10, kFree}, {15, 10, kBlocked}};
    for (const Case& c : second)
        EXPECT_EQ(cellPixel(c.i, c.j), c.color) << "from (11, 10): cell " << c.i << ", " << c.j;
}

TEST_F(MapViewTest, StandingStillChangesNothing)
{
    m_map->update(11, 10);
    g_gameBase->m_world->setWalkable(Belgarune::MapCoord(12, 0, 10), false);
    m_map->update(11, 10);
    EXPECT_EQ(cellPixel(12, 10), kFree);
    m_map->update(10, 10);
    EXPECT_EQ(cellPixel(12, 10), kBlocked) << "painted over from the new cell";
}

TEST_F(MapViewTest, ShowsAWindowOfTwentyByFifteenCellsAboutTheViewer)
{
    m_map->update(250, 250);
    EXPECT_EQ(m_map->getMapPicture()->getSourceRect(), irr::core::rect<irr::s32>(240, 242, 260, 257));
    m_map->update(3, 499);
    EXPECT_EQ(m_map->getMapPicture()->getSourceRect(), irr::core::rect<irr::s32>(-7, -6, 13, 8));
}

TEST_F(MapViewTest, RemakesItsTextureOnEveryNewCellAndOnRefresh)
{
    irr::video::IVideoDriver* driver = m_device->getVideoDriver();
    const irr::u32 textures = driver->getTextureCount();
    // Held here, the first texture cannot hand its address to the second.
    irr::video::ITexture* first = m_map->getMapPicture()->getTexture();
    first->grab();
    m_map->update(11, 10);
    EXPECT_NE(m_map->getMapPicture()->getTexture(), first);
    EXPECT_EQ(driver->getTexture("mapTexture"), m_map->getMapPicture()->getTexture());
    first->drop();

    m_map->refresh();
    EXPECT_EQ(driver->getTextureCount(), textures);
    EXPECT_EQ(cellPixel(11, 10), kClear);
    m_map->update(11, 10);
    EXPECT_EQ(cellPixel(11, 10), kViewer) << "the same cell counts as new after a refresh";
}

TEST_F(MapViewTest, AViewerOutsideTheGridPaintsNothingOutsideIt)
{
    const irr::core::vector2d<irr::s32> viewers[] = {{-3, 600}, {505, -20}, {3, -5}, {520, 250}, {0, 0}};
    for (const irr::core::vector2d<irr::s32>& viewer : viewers)
        m_map->update(viewer.X, viewer.Y);
    for (irr::s32 y = 0; y < MapView::kImageSize; ++y)
        for (irr::s32 x = 0; x < MapView::kImageSize; ++x)
        {
            if (y > 500 || x >= 500)
            {
                ASSERT_EQ(pixel(x, y), kClear) << x << ", " << y;
            }
        }
}
