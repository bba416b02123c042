#pragma once
// The small map in the lower-right corner: one pixel per grid cell, discovered
// as the viewer walks, shown as a window of 20 x 15 cells around him.

#include <irrTypes.h>
#include <vector2d.h>

namespace irr
{
namespace scene
{
class ISceneManager;
}
namespace video
{
class IImage;
class ITexture;
} // namespace video
} // namespace irr

namespace Talvoren
{
class PictureSceneNode;
}

namespace Belgarune
{
//! Reads the grid of GameBase::m_world. Owns its image and two pictures; the
//! texture "mapTexture" belongs to the video driver, the scene manager to its caller.
class MapView
{
public:
    static constexpr irr::s32 kImageSize = 512;

    explicit MapView(irr::scene::ISceneManager* sceneManager);
    ~MapView();
    MapView(const MapView&) = delete;
    MapView& operator=(const MapView&) = delete;

    //! Starts an empty map and places it from the current screen size.
    void refresh();
    //! The viewer is in grid cell (i, j): on a new cell, paints what he sees
    //! and centres the window on him.
    void update(irr::s32 i, irr::s32 j);
    //! Blocked cells white, free cells dark violet; cells outside the grid stay.
    void paintCell(const irr::core::vector2d<irr::s32>& cell);
    //! The frame, then the map.
    void render();

    const irr::video::IImage* getImage() const { return m_image; }
    const Talvoren::PictureSceneNode* getMapPicture() const { return m_mapPicture; }
    const Talvoren::PictureSceneNode* getBackPicture() const { return m_backPicture; }

private:
    //! Removes the texture from the driver and drops what the view owns.
    void release();
    //! Drops the image and the pictures (the driver is not touched).
    void dropOwned();
    //! Sets the pixel of a cell of the grid; other cells have none.
    void setCellPixel(const irr::core::vector2d<irr::s32>& cell, irr::u32 color);

    irr::scene::ISceneManager* m_sceneManager;
    irr::video::IImage* m_image;
    Talvoren::PictureSceneNode* m_mapPicture;
    Talvoren::PictureSceneNode* m_backPicture;
    irr::video::ITexture* m_texture;
    irr::core::vector2d<irr::s32> m_lastCell;
};
} // namespace Belgarune
