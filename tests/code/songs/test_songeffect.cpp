// How far a song effect has run.

#include "code/src/songs/songeffect.h"

#include <gtest/gtest.h>

using Belgarune::SongEffect;

TEST(SongEffect, ProgressRunsFromZeroToOneAndStaysAtOne)
{
    SongEffect effect;
    effect.start(SongEffect::kSlowDown, 1000, 8000, "gamedata/music/zeitbubble1.ogg");
    const std::pair<irr::s32, irr::f32> cases[] = {
        {1000, 0.0f}, {3000, 0.25f}, {9000, 1.0f}, {9016, 1.0f}, {60000, 1.0f}};
    for (const auto& [now, expected] : cases)
        EXPECT_FLOAT_EQ(effect.progress(now), expected) << now;

    effect.start(SongEffect::kLight, 1000, 0, "gamedata/music/licht2.ogg");
    EXPECT_FLOAT_EQ(effect.progress(1000), 1.0f);
}
