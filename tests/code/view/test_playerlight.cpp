// The player's light from the tones' glows, the light shift and the darkness.

#include "code/src/view/playerlight.h"

#include <gtest/gtest.h>

using Belgarune::computePlayerLight;
using Belgarune::kGlowCount;
using Belgarune::PlayerLight;

namespace
{
struct LightCase
{
    const char* name;
    irr::f32 glows[kGlowCount];
    bool violinKey;
    irr::f32 lightShift;
    irr::f32 darkness;
    irr::f32 red, green, blue;
    irr::f32 radius;
};

const irr::f32 kPinkSum = (255.0f + 105.0f + 180.0f) / 255.0f;

const LightCase kCases[] = {
    {"glows ignored without the violin key", {1, 1, 1, 1, 1, 1}, false, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f},
    {"tone 0 glows pink", {1, 0, 0, 0, 0, 0}, true, 0.0f, 0.0f, 2.0f, 1.0f + 105.0f / 255.0f, 1.0f + 180.0f / 255.0f,
     1.0f + 0.2f * kPinkSum},
    {"half a blue glow", {0, 0.5f, 0, 0, 0, 0}, true, 0.0f, 0.0f, 1.0f, 1.0f, 1.5f, 1.1f},
    {"the spare glow colours nothing", {0, 0, 0, 0, 0, 1}, true, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f},
    {"full light shift", {0, 0, 0, 0, 0, 0}, false, 1.0f, 0.0f, 2.0f, 2.0f, 0.0f, 0.7f},
    {"light shift caps red and green", {0, 0, 0, 1, 0, 0}, true, 0.5f, 0.0f, 2.0f, 2.0f, 0.5f, 1.25f},
    {"darkness up to 0.8 keeps the radius", {0, 0, 0, 0, 0, 0}, false, 0.0f, 0.8f, 1.0f, 1.0f, 1.0f, 1.0f},
    {"darkness 0.9 triples it", {0, 0, 0, 0, 0, 0}, false, 0.0f, 0.9f, 1.0f, 1.0f, 1.0f, 3.0f},
    {"full darkness five times", {0, 0, 0, 0, 0, 0}, false, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 5.0f},
};
} // namespace

TEST(PlayerLightTest, ColourAndRadiusFollowGlowsShiftAndDarkness)
{
    for (const LightCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        const PlayerLight light = computePlayerLight(c.glows, c.violinKey, c.lightShift, c.darkness);
        EXPECT_NEAR(light.colour.r, c.red, 1e-4f);
        EXPECT_NEAR(light.colour.g, c.green, 1e-4f);
        EXPECT_NEAR(light.colour.b, c.blue, 1e-4f);
        EXPECT_FLOAT_EQ(light.colour.a, 1.0f);
        EXPECT_NEAR(light.radius, c.radius, 1e-4f);
    }
}

TEST(PlayerLightTest, GlowRisesInASecondAndFallsInFourWithinZeroToOne)
{
    const struct
    {
        irr::f32 glow;
        irr::u32 frameMs;
        irr::f32 raised;
        irr::f32 lowered;
    } kCases[] = {{0.0f, 500, 0.5f, 0.0f}, {0.5f, 1000, 1.0f, 0.25f}, {1.0f, 4000, 1.0f, 0.0f}, {0.2f, 0, 0.2f, 0.2f}};
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.frameMs);
        EXPECT_FLOAT_EQ(Belgarune::raisedGlow(c.glow, c.frameMs), c.raised);
        EXPECT_FLOAT_EQ(Belgarune::loweredGlow(c.glow, c.frameMs), c.lowered);
    }
}
