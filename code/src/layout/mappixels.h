#pragma once
// The pixels of map.png inside the grid's 500 x 500, decoded into the floor
// and wall codes their colours spell.

#include "code/src/world/floorcode.h"
#include "code/src/world/wallcodes.h"

#include <SColor.h>
#include <irrTypes.h>

#include <vector>

namespace irr
{
namespace video
{
class IImage;
}
} // namespace irr

namespace Belgarune
{
//! Pixel (x, y) counts y downward from the top row. Pixels outside the
//! stored part code nothing.
class MapPixels
{
public:
    static constexpr irr::s32 kMaxSize = 500;

    //! width x height pixels that code nothing, each clipped to 0..500.
    MapPixels(irr::s32 width, irr::s32 height);
    //! The part of the image inside 500 x 500 from its top-left corner.
    explicit MapPixels(const irr::video::IImage& image);

    irr::s32 getWidth() const { return m_width; }
    irr::s32 getHeight() const { return m_height; }
    FloorCode floorAt(irr::s32 x, irr::s32 y) const;
    WallType wallAt(irr::s32 x, irr::s32 y) const;
    //! Decodes the colour; ignored outside the stored part.
    void set(irr::s32 x, irr::s32 y, const irr::video::SColor& color);

private:
    //! A colour is a floor, a wall or nothing, never both.
    struct Codes
    {
        FloorCode floor = FloorCode::None;
        WallType wall = WallType::None;
    };

    bool contains(irr::s32 x, irr::s32 y) const { return x >= 0 && x < m_width && y >= 0 && y < m_height; }
    Codes at(irr::s32 x, irr::s32 y) const;

    irr::s32 m_width;
    irr::s32 m_height;
    //! Row by row.
    std::vector<Codes> m_codes;
};
} // namespace Belgarune
