#include "talvoren/clock.h"

#include <gtest/gtest.h>

using Talvoren::Clock;

TEST(Clock, ScalesFrameTimeAndAccumulates)
{
    Clock clock;
    clock.update(16);
    EXPECT_FLOAT_EQ(clock.getDelta(), 16.0f);
    clock.setSpeed(0.75f);
    EXPECT_FLOAT_EQ(clock.getDelta(), 16.0f) << "a new speed waits for the next update";
    clock.update(16);
    EXPECT_FLOAT_EQ(clock.getDelta(), 12.0f);
    clock.update(15);
    EXPECT_FLOAT_EQ(clock.getDelta(), 11.25f);
    EXPECT_EQ(static_cast<int>(clock.getDelta()), 11);
    EXPECT_DOUBLE_EQ(clock.getTotal(), 16.0 + 12.0 + 11.25);
}

TEST(Clock, SpeedZeroStopsTheTotal)
{
    Clock clock;
    clock.update(100);
    clock.setSpeed(0.0f);
    clock.update(40);
    EXPECT_FLOAT_EQ(clock.getDelta(), 0.0f);
    EXPECT_DOUBLE_EQ(clock.getTotal(), 100.0);
}
