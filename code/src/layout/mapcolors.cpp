#include "code/src/layout/mapcolors.h"

#include <cstddef>

namespace Belgarune
{
namespace
{
using irr::video::SColor;

struct ColorCode
{
    SColor color;
    irr::s32 code;
};

// Whole 32-bit values are compared, so alpha must be 255 to match.
const ColorCode kFloorCodes[] = {
    {SColor(255, 0, 0, 255), 1},     {SColor(255, 150, 150, 255), 2}, {SColor(255, 0, 255, 0), 3},
    {SColor(255, 150, 150, 150), 4}, {SColor(255, 100, 100, 100), 5},
};

const ColorCode kWallCodes[] = {
    {SColor(255, 255, 255, 255), 1}, {SColor(255, 255, 200, 200), 2}, {SColor(255, 255, 150, 150), 3},
    {SColor(255, 255, 255, 150), 4}, {SColor(255, 255, 150, 255), 5}, {SColor(255, 150, 255, 150), 6},
    {SColor(255, 0, 255, 255), 7},
};

template <std::size_t Count>
irr::s32 lookUp(const ColorCode (&table)[Count], const SColor& color)
{
    for (const ColorCode& entry : table)
    {
        if (entry.color.color == color.color)
            return entry.code;
    }
    return 0;
}
} // namespace

irr::s32 decodeMapColor(const SColor& color)
{
    return lookUp(kFloorCodes, color);
}

irr::s32 decodeWallColor(const SColor& color)
{
    return lookUp(kWallCodes, color);
}
} // namespace Belgarune
