#include "code/src/state/startupsettings.h"

#include <irrlicht.h>

#include <algorithm>

namespace Belgarune
{
irr::u8 deriveAntiAlias(irr::s32 level)
{
    const irr::s32 clamped = std::clamp(level, 0, 16);
    if (clamped <= 2 || clamped == 4 || clamped == 8 || clamped == 16)
        return static_cast<irr::u8>(clamped);
    if (clamped == 3)
        return 2;
    if (clamped <= 7)
        return 4;
    return 16;
}

irr::core::dimension2d<irr::u32> deriveWindowSize(irr::s32 resX, irr::s32 resY,
                                                  const std::function<irr::core::dimension2d<irr::u32>()>& desktop)
{
    if (resX == -1 && resY == -1)
        return desktop();
    return irr::core::dimension2d<irr::u32>(static_cast<irr::u32>(std::clamp(resX, 640, 1920)),
                                            static_cast<irr::u32>(std::clamp(resY, 480, 1280)));
}

irr::core::dimension2d<irr::u32> readDesktopResolution()
{
    const irr::core::dimension2d<irr::u32> fallback(640, 480);
    irr::IrrlichtDevice* nullDevice =
        irr::createDevice(irr::video::EDT_NULL, irr::core::dimension2d<irr::u32>(640, 480), 16, false, false, false);
    if (!nullDevice)
        return fallback;
    irr::core::dimension2d<irr::u32> desktop = nullDevice->getVideoModeList()->getDesktopResolution();
    nullDevice->drop();
    if (desktop.Width == 0 || desktop.Height == 0)
        return fallback;
    return desktop;
}
} // namespace Belgarune
