#include "code/src/menu/menulayout.h"

namespace Belgarune
{
namespace
{
const irr::u32 kSlideMs = 250;
} // namespace

irr::core::rect<irr::s32> stripRect(const irr::core::dimension2du& screen, const irr::core::dimension2du& texture,
                                    irr::s32 centreX)
{
    const double width = texture.Width * (static_cast<double>(screen.Height) / texture.Height);
    const irr::s32 left = static_cast<irr::s32>(centreX - width * 0.5);
    return irr::core::rect<irr::s32>(left, 0, static_cast<irr::s32>(left + width), static_cast<irr::s32>(screen.Height));
}

irr::s32 stripCentre(const irr::core::dimension2du& screen, irr::f32 slide)
{
    return static_cast<irr::s32>(screen.Width * 0.25 * slide);
}

irr::core::rect<irr::s32> titleRect(const irr::core::dimension2du& screen, const irr::core::dimension2du& texture)
{
    const irr::s32 width = static_cast<irr::s32>(screen.Width * 0.75);
    const irr::s32 left = static_cast<irr::s32>(screen.Width * 0.1);
    const irr::s64 height = static_cast<irr::s64>(width) * texture.Height / texture.Width;
    return irr::core::rect<irr::s32>(left, 0, left + width, static_cast<irr::s32>(height));
}

irr::core::rect<irr::s32> songRect(const irr::core::dimension2du& screen, irr::u32 index)
{
    const irr::s32 left = static_cast<irr::s32>(screen.Width * 0.5);
    const irr::s32 top = static_cast<irr::s32>(screen.Height * 0.5);
    const irr::s32 columnWidth = (static_cast<irr::s32>(screen.Width) - left) / 2;
    const irr::s32 rowHeight = (static_cast<irr::s32>(screen.Height * 0.85) - top) / 3;
    const irr::s32 column = static_cast<irr::s32>(index % 2);
    const irr::s32 row = static_cast<irr::s32>(index / 2);
    return irr::core::rect<irr::s32>(left + column * columnWidth, top + row * rowHeight,
                                     left + (column + 1) * columnWidth, top + (row + 1) * rowHeight);
}

irr::f32 slideFactor(irr::u32 elapsedMs)
{
    if (elapsedMs >= kSlideMs)
        return 1.0f;
    const irr::f32 rest = 1.0f - static_cast<irr::f32>(elapsedMs) / kSlideMs;
    return 1.0f - rest * rest * rest;
}
} // namespace Belgarune
