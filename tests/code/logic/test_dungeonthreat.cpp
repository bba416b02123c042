// The dungeon's threat: it drops on a near player in 500 ms, catches him
// within 28 units once 60 % down, and rises again over 3000 ms.

#include "code/src/logic/dungeon/dungeonthreat.h"

#include <gtest/gtest.h>

using Belgarune::DungeonThreat;
using Belgarune::ThreatStep;

namespace
{
TEST(DungeonThreatTest, ApproachesANearPlayerThenRetreatsWhenHeEscapes)
{
    DungeonThreat threat;
    EXPECT_FALSE(threat.update(16.0f, 26.0f, false).approachBegun);
    const ThreatStep begin = threat.update(16.0f, 25.9f, false);
    EXPECT_TRUE(begin.approachBegun);
    EXPECT_FALSE(begin.height); // the first frame only starts it

    // The player steps out beyond 28: nothing catches him.
    const irr::f32 expected[][2] = {{250.0f, 8.0f}, {200.0f, 1.6f}, {50.0f, 0.0f}};
    for (const auto& [delta, height] : expected)
    {
        const ThreatStep step = threat.update(delta, 30.0f, false);
        EXPECT_FALSE(step.caught);
        ASSERT_TRUE(step.height);
        EXPECT_NEAR(*step.height, height, 1e-4f) << delta;
    }
    EXPECT_TRUE(threat.isRetreating());
    EXPECT_NEAR(*threat.update(1500.0f, 100.0f, false).height, 8.0f, 1e-4f);
    EXPECT_NEAR(*threat.update(1500.0f, 100.0f, false).height, 16.0f, 1e-4f);
    EXPECT_FALSE(threat.isRetreating());
    EXPECT_FALSE(threat.update(16.0f, 100.0f, false).height);
    EXPECT_TRUE(threat.update(16.0f, 20.0f, false).approachBegun);
}

TEST(DungeonThreatTest, CatchesWithin28OnceSixtyPercentDownAndRisesAtOnce)
{
    DungeonThreat threat;
    threat.update(16.0f, 20.0f, false);
    EXPECT_FALSE(threat.update(290.0f, 27.0f, false).caught);
    const ThreatStep step = threat.update(10.0f, 27.0f, false);
    EXPECT_TRUE(step.caught);
    EXPECT_EQ(step.height, 16.0f);
    EXPECT_FALSE(threat.isApproaching());
    EXPECT_FALSE(threat.isRetreating());
}

TEST(DungeonThreatTest, TimeBubbleWithin40SlowsTheApproachHundredfold)
{
    // Distance, bubble, game time to the bottom.
    const struct
    {
        irr::f32 distance;
        bool bubble;
        irr::f32 toBottom;
    } cases[] = {{30.0f, false, 500.0f}, {30.0f, true, 50000.0f}, {45.0f, true, 500.0f}};
    for (const auto& c : cases)
    {
        DungeonThreat threat;
        threat.update(16.0f, 20.0f, c.bubble);
        threat.update(c.toBottom * 0.5f, c.distance, c.bubble);
        EXPECT_TRUE(threat.isApproaching()) << c.distance << " " << c.bubble;
        threat.update(c.toBottom * 0.6f, c.distance, c.bubble);
        EXPECT_TRUE(threat.isRetreating()) << c.distance << " " << c.bubble;
    }
}
} // namespace
