#include "code/src/layout/mappixels.h"

#include "code/src/layout/mapcolors.h"

#include <IImage.h>

#include <algorithm>

namespace Belgarune
{
namespace
{
irr::s32 clipToMap(irr::s32 length)
{
    return std::clamp(length, 0, MapPixels::kMaxSize);
}

irr::s32 clipToMap(irr::u32 length)
{
    return static_cast<irr::s32>(std::min<irr::u32>(length, MapPixels::kMaxSize));
}
} // namespace

MapPixels::MapPixels(irr::s32 width, irr::s32 height)
    : m_width(clipToMap(width)),
      m_height(clipToMap(height)),
      m_codes(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height))
{
}

MapPixels::MapPixels(const irr::video::IImage& image)
    : MapPixels(clipToMap(image.getDimension().Width), clipToMap(image.getDimension().Height))
{
    for (irr::s32 y = 0; y < m_height; ++y)
    {
        for (irr::s32 x = 0; x < m_width; ++x)
            set(x, y, image.getPixel(static_cast<irr::u32>(x), static_cast<irr::u32>(y)));
    }
}

MapPixels::Codes MapPixels::at(irr::s32 x, irr::s32 y) const
{
    if (!contains(x, y))
        return Codes();
    return m_codes[static_cast<std::size_t>(y) * m_width + x];
}

FloorCode MapPixels::floorAt(irr::s32 x, irr::s32 y) const
{
    return at(x, y).floor;
}

WallType MapPixels::wallAt(irr::s32 x, irr::s32 y) const
{
    return at(x, y).wall;
}

void MapPixels::set(irr::s32 x, irr::s32 y, const irr::video::SColor& color)
{
    if (contains(x, y))
        m_codes[static_cast<std::size_t>(y) * m_width + x] = {decodeMapColor(color), decodeWallColor(color)};
}
} // namespace Belgarune
