// Where the title menu's pictures go and how its parts slide in.

#include "code/src/menu/menulayout.h"

#include <gtest/gtest.h>

using irr::core::dimension2du;
using irr::core::rect;

TEST(MenuLayout, StripFillsTheHeightAtItsAspectAroundItsCentre)
{
    const dimension2du screen(800, 600);
    const dimension2du texture(64, 512);
    // 64 * 600 / 512 = 75 wide.
    EXPECT_EQ(Belgarune::stripRect(screen, texture, Belgarune::stripCentre(screen, 1.0f)),
              rect<irr::s32>(162, 0, 237, 600));
    EXPECT_EQ(Belgarune::stripCentre(screen, 0.5f), 100);
    EXPECT_EQ(Belgarune::stripRect(screen, texture, 0), rect<irr::s32>(-37, 0, 38, 600));
}

TEST(MenuLayout, TitleSpansThreeQuartersAtTheTop)
{
    EXPECT_EQ(Belgarune::titleRect(dimension2du(800, 600), dimension2du(1024, 256)),
              rect<irr::s32>(80, 0, 680, 150));
    EXPECT_EQ(Belgarune::titleRect(dimension2du(1366, 768), dimension2du(1000, 300)),
              rect<irr::s32>(136, 0, 1160, 307));
}

TEST(MenuLayout, SongsFillTwoColumnsByThreeRowsRowByRow)
{
    const dimension2du screen(800, 600);
    // Area (400, 300) to (800, 510): columns of 200, rows of 70.
    const rect<irr::s32> expected[] = {
        {400, 300, 600, 370}, {600, 300, 800, 370}, {400, 370, 600, 440},
        {600, 370, 800, 440}, {400, 440, 600, 510}, {600, 440, 800, 510},
    };
    for (irr::u32 i = 0; i < Belgarune::kSongPictureCount; ++i)
        EXPECT_EQ(Belgarune::songRect(screen, i), expected[i]) << "song " << i + 1;
}

TEST(MenuLayout, SlideEasesOutOverAQuarterSecond)
{
    const std::pair<irr::u32, irr::f32> samples[] = {{0, 0.0f}, {125, 0.875f}, {200, 0.992f},
                                                     {250, 1.0f}, {0xFFFFFFFFu, 1.0f}};
    for (const auto& [elapsed, factor] : samples)
        EXPECT_NEAR(Belgarune::slideFactor(elapsed), factor, 1e-5f) << elapsed << " ms";
}
