#include "code/src/view/mapview.h"

#include "code/src/level/gametexture.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameworld.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/picturescenenode.h"

#include <IImage.h>
#include <ISceneManager.h>
#include <ITexture.h>
#include <IVideoDriver.h>


namespace Belgarune
{
namespace
{
const char* const kTextureName = "mapTexture";
const char* const kFrameFile = "gamedata/objects/QVMapBack.png";
const irr::u32 kBlocked = 0xFFFFFFFF;
const irr::u32 kFree = irr::video::SColor(255, 50, 25, 100).color;
const irr::u32 kViewer = irr::video::SColor(255, 0, 0, 255).color;
//! The map row of grid row j is 500 - j.
const irr::s32 kRowBase = 500;
const irr::core::vector2d<irr::s32> kNeighbours[4] = {{-1, 0}, {1, 0}, {0, 1}, {0, -1}};
} // namespace

MapView::MapView(irr::scene::ISceneManager* sceneManager)
    : m_sceneManager(sceneManager), m_image(nullptr), m_mapPicture(nullptr), m_backPicture(nullptr),
      m_texture(nullptr), m_lastCell(-1, -1)
{
}

MapView::~MapView()
{
    dropOwned();
}

void MapView::release()
{
    if (m_texture)
        m_sceneManager->getVideoDriver()->removeTexture(m_texture);
    m_texture = nullptr;
    dropOwned();
}

void MapView::dropOwned()
{
    if (m_image)
        m_image->drop();
    if (m_mapPicture)
        m_mapPicture->drop();
    if (m_backPicture)
        m_backPicture->drop();
    m_image = nullptr;
    m_mapPicture = nullptr;
    m_backPicture = nullptr;
}

void MapView::refresh()
{
    release();
    m_lastCell.set(-1, -1);
    irr::video::IVideoDriver* driver = m_sceneManager->getVideoDriver();
    m_image = driver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(kImageSize, kImageSize));
    m_image->fill(irr::video::SColor(0, 0, 0, 0));
    m_texture = driver->addTexture(kTextureName, m_image);

    const irr::core::dimension2du screen = g_device ? g_device->getScreenSize() : irr::core::dimension2du(0, 0);
    const irr::s32 w = static_cast<irr::s32>(screen.Width * 0.15);
    const irr::s32 h = static_cast<irr::s32>(w * 0.75);
    const irr::s32 x = static_cast<irr::s32>(screen.Width - w * 1.5);
    const irr::s32 y = static_cast<irr::s32>(screen.Height - h * 1.5);
    const irr::core::rect<irr::s32> screenRect(x, y, x + w, y + h);

    m_mapPicture = new Talvoren::PictureSceneNode(nullptr, m_sceneManager, -1);
    m_mapPicture->setImage(m_texture, screenRect, irr::core::rect<irr::s32>(0, 0, 50, 50));
    m_mapPicture->setMaterialFlag(irr::video::EMF_BILINEAR_FILTER, false);
    m_mapPicture->setMaterialType(irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);

    m_backPicture = new Talvoren::PictureSceneNode(nullptr, m_sceneManager, -1);
    irr::video::ITexture* frame = loadGameTexture(driver, kFrameFile);
    if (frame)
    {
        const irr::core::dimension2du size = frame->getOriginalSize();
        m_backPicture->setImage(frame, screenRect,
                                irr::core::rect<irr::s32>(0, 0, static_cast<irr::s32>(size.Width),
                                                          static_cast<irr::s32>(size.Height)));
    }
    m_backPicture->setMaterialType(irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
}

void MapView::setCellPixel(const irr::core::vector2d<irr::s32>& cell, irr::u32 color)
{
    // A viewer outside the grid has no pixel; rows beyond 500 stay clear.
    if (cell.X < 0 || cell.X >= GameWorld::kGridSize || cell.Y < 0 || cell.Y >= GameWorld::kGridSize)
        return;
    m_image->setPixel(static_cast<irr::u32>(cell.X), static_cast<irr::u32>(kRowBase - cell.Y),
                      irr::video::SColor(color), false);
}

void MapView::paintCell(const irr::core::vector2d<irr::s32>& cell)
{
    if (!m_image || !g_gameBase->m_world)
        return;
    const irr::s32 walkable = g_gameBase->m_world->isWalkable(cell.X, cell.Y);
    if (walkable == 0)
        setCellPixel(cell, kBlocked);
    else if (walkable == 1)
        setCellPixel(cell, kFree);
}

void MapView::update(irr::s32 i, irr::s32 j)
{
    if (!m_image || m_lastCell == irr::core::vector2d<irr::s32>(i, j))
        return;
    m_lastCell.set(i, j);
    const irr::f64 row = kRowBase - j;
    m_mapPicture->buildQuad(irr::core::rect<irr::s32>(static_cast<irr::s32>(i - 10.0), static_cast<irr::s32>(row - 7.5),
                                                      static_cast<irr::s32>(i + 10.0),
                                                      static_cast<irr::s32>(row + 7.5)));

    if (g_gameBase->m_world)
    {
        const std::vector<irr::core::vector2d<irr::s32>> visible =
            g_gameBase->m_world->getVisibleCells(irr::core::vector2d<irr::s32>(i, j));
        for (const irr::core::vector2d<irr::s32>& cell : visible)
        {
            paintCell(cell);
            for (const irr::core::vector2d<irr::s32>& step : kNeighbours)
                paintCell(cell + step);
        }
        if (!visible.empty())
            setCellPixel(visible.front(), kViewer);
    }

    irr::video::IVideoDriver* driver = m_sceneManager->getVideoDriver();
    if (m_mapPicture->getTexture())
        driver->removeTexture(m_mapPicture->getTexture());
    m_texture = driver->addTexture(kTextureName, m_image);
    m_mapPicture->setTexture(m_texture);
}

void MapView::render()
{
    if (m_backPicture)
        m_backPicture->render();
    if (m_mapPicture)
        m_mapPicture->render();
}
} // namespace Belgarune
