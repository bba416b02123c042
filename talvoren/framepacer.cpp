#include "talvoren/framepacer.h"

#include <algorithm>
#include <thread>

namespace Talvoren
{
FramePacer::FramePacer(Clock::duration minInterval, Clock::time_point firstFrameStart)
    : m_minInterval(minInterval), m_lastStart(firstFrameStart)
{
}

FramePacer::Clock::duration FramePacer::delayAt(Clock::time_point now) const
{
    return std::max(Clock::duration::zero(), m_lastStart + m_minInterval - now);
}

void FramePacer::waitForNextFrame()
{
    const Clock::duration delay = delayAt(Clock::now());
    if (delay > Clock::duration::zero())
        std::this_thread::sleep_for(delay);
    frameStarted(Clock::now());
}
} // namespace Talvoren
