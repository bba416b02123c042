#include "code/src/view/gametime.h"

#include "talvoren/clock.h"
#include "talvoren/ombeldevice.h"

namespace Belgarune
{
irr::f64 gameTime()
{
    return g_device && g_device->getGameClock() ? g_device->getGameClock()->getTotal() : 0.0;
}

irr::u32 gameTimeMs()
{
    return static_cast<irr::u32>(gameTime());
}
} // namespace Belgarune
