#include "code/src/logic/actorclock.h"

#include "talvoren/clock.h"
#include "talvoren/ombeldevice.h"

namespace Belgarune
{
namespace
{
class DeviceActorClock : public IActorClock
{
public:
    irr::u32 frameMs() const override { return g_device ? g_device->getFrameDeltaMs() : 0; }
    irr::u32 timerMs() const override { return g_device ? g_device->getTimeMs() : 0; }
    irr::f64 gameMs() const override
    {
        return g_device && g_device->getGameClock() ? g_device->getGameClock()->getTotal() : 0.0;
    }
};
} // namespace

const IActorClock& deviceActorClock()
{
    static const DeviceActorClock clock;
    return clock;
}
} // namespace Belgarune
