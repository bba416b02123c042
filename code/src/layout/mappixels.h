#pragma once
// The colours of map.png inside the grid's 500 x 500 pixels.

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
//! stored part read as no colour (0, which codes nothing).
class MapPixels
{
public:
    static constexpr irr::s32 kMaxSize = 500;

    //! width x height pixels of no colour, each clipped to 0..500.
    MapPixels(irr::s32 width, irr::s32 height);
    //! The part of the image inside 500 x 500 from its top-left corner.
    explicit MapPixels(const irr::video::IImage& image);

    irr::s32 getWidth() const { return m_width; }
    irr::s32 getHeight() const { return m_height; }
    irr::video::SColor at(irr::s32 x, irr::s32 y) const;
    //! Ignored outside the stored part.
    void set(irr::s32 x, irr::s32 y, const irr::video::SColor& color);

private:
    bool contains(irr::s32 x, irr::s32 y) const { return x >= 0 && x < m_width && y >= 0 && y < m_height; }

    irr::s32 m_width;
    irr::s32 m_height;
    //! ARGB values, row by row.
    std::vector<irr::u32> m_colors;
};
} // namespace Belgarune
