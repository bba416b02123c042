#include "code/src/startupsettings.h"

#include "platform/desktopsize.h"
#include "talvoren/log.h"

#include <irrlicht.h>

#include <algorithm>

namespace Belgarune
{
namespace
{
//! What Irrlicht reports, through a temporary null device; 0 x 0 without one.
irr::core::dimension2d<irr::u32> irrlichtDesktopResolution()
{
    irr::IrrlichtDevice* nullDevice =
        irr::createDevice(irr::video::EDT_NULL, irr::core::dimension2d<irr::u32>(640, 480), 16, false, false, false);
    if (!nullDevice)
        return irr::core::dimension2d<irr::u32>(0, 0);
    const irr::core::dimension2d<irr::u32> desktop = nullDevice->getVideoModeList()->getDesktopResolution();
    nullDevice->drop();
    return desktop;
}
} // namespace

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

irr::core::dimension2d<irr::u32> deriveWindowSize(irr::s32 resX, irr::s32 resY, const DesktopQuery& desktop)
{
    if (resX == -1 && resY == -1)
        return desktop();
    return irr::core::dimension2d<irr::u32>(static_cast<irr::u32>(std::clamp(resX, 640, 1920)),
                                            static_cast<irr::u32>(std::clamp(resY, 480, 1280)));
}

irr::core::dimension2d<irr::u32> readDesktopResolution()
{
    return chooseDesktopResolution(irrlichtDesktopResolution, [] {
        const platform::DesktopSize size = platform::queryDesktopSize();
        return irr::core::dimension2d<irr::u32>(size.width, size.height);
    });
}

irr::core::dimension2d<irr::u32> chooseDesktopResolution(const DesktopQuery& irrlicht, const DesktopQuery& display)
{
    for (const DesktopQuery* query : {&irrlicht, &display})
    {
        const irr::core::dimension2d<irr::u32> size = (*query)();
        if (size.Width > 0 && size.Height > 0)
            return size;
    }
    Talvoren::logError(L"No desktop size could be read; the window is %p.", L"640 x 480");
    return irr::core::dimension2d<irr::u32>(640, 480);
}
} // namespace Belgarune
