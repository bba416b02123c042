#include "talvoren/framepacer.h"

#include <gtest/gtest.h>

using Talvoren::FramePacer;
using std::chrono::milliseconds;

TEST(FramePacer, DelayFillsTheIntervalSinceTheLastFrameStart)
{
    struct Case
    {
        milliseconds interval;
        milliseconds sinceStart;
        milliseconds delay;
    };
    const Case cases[] = {
        {milliseconds(16), milliseconds(0), milliseconds(16)},  {milliseconds(16), milliseconds(3), milliseconds(13)},
        {milliseconds(16), milliseconds(16), milliseconds(0)},  {milliseconds(16), milliseconds(40), milliseconds(0)},
        {milliseconds(0), milliseconds(0), milliseconds(0)},
    };
    const FramePacer::Clock::time_point start{milliseconds(1000)};
    for (const Case& c : cases)
    {
        const FramePacer pacer(c.interval, start);
        EXPECT_EQ(pacer.delayAt(start + c.sinceStart), c.delay)
            << c.interval.count() << " ms interval, " << c.sinceStart.count() << " ms in";
    }
}

TEST(FramePacer, CountsFromTheLatestFrameStart)
{
    const FramePacer::Clock::time_point start{milliseconds(1000)};
    FramePacer pacer(milliseconds(16), start);
    pacer.frameStarted(start + milliseconds(25));
    EXPECT_EQ(pacer.delayAt(start + milliseconds(30)), milliseconds(11));
}
