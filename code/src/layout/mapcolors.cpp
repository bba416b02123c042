#include "code/src/layout/mapcolors.h"

#include <cstddef>

namespace Belgarune
{
namespace
{
using irr::video::SColor;

template <typename Code>
struct ColorCode
{
    SColor color;
    Code code;
};

// Whole 32-bit values are compared, so alpha must be 255 to match.
const ColorCode<FloorCode> kFloorCodes[] = {
    {SColor(255, 0, 0, 255), FloorCode::Plain},     {SColor(255, 150, 150, 255), FloorCode::Patterned},
    {SColor(255, 0, 255, 0), FloorCode::Sealed},    {SColor(255, 150, 150, 150), FloorCode::Gloomy},
    {SColor(255, 100, 100, 100), FloorCode::Dark},
};

const ColorCode<WallType> kWallCodes[] = {
    {SColor(255, 255, 255, 255), WallType::Large},       {SColor(255, 255, 200, 200), WallType::Stone},
    {SColor(255, 255, 150, 150), WallType::StoneCracked}, {SColor(255, 255, 255, 150), WallType::Creepy},
    {SColor(255, 255, 150, 255), WallType::Dark},        {SColor(255, 150, 255, 150), WallType::StoneCarved},
    {SColor(255, 0, 255, 255), WallType::LargeLight},
};

template <typename Code, std::size_t Count>
Code lookUp(const ColorCode<Code> (&table)[Count], const SColor& color)
{
    for (const ColorCode<Code>& entry : table)
    {
        if (entry.color.color == color.color)
            return entry.code;
    }
    return Code::None;
}
} // namespace

FloorCode decodeMapColor(const SColor& color)
{
    return lookUp(kFloorCodes, color);
}

WallType decodeWallColor(const SColor& color)
{
    return lookUp(kWallCodes, color);
}
} // namespace Belgarune
