#pragma once
// Keeps the frames of a loop at least a fixed time apart.

#include <chrono>

namespace Talvoren
{
//! A display without swap control (or refreshing faster than the game's
//! rules expect) would otherwise run frames as fast as they render.
class FramePacer
{
public:
    using Clock = std::chrono::steady_clock;

    //! A zero interval never waits. The first frame starts at firstFrameStart.
    explicit FramePacer(Clock::duration minInterval, Clock::time_point firstFrameStart = Clock::now());

    //! How long the next frame must still wait at now.
    Clock::duration delayAt(Clock::time_point now) const;
    void frameStarted(Clock::time_point start) { m_lastStart = start; }
    //! Sleeps out the delay; the next frame starts on return.
    void waitForNextFrame();

private:
    Clock::duration m_minInterval;
    Clock::time_point m_lastStart;
};
} // namespace Talvoren
