#include "code/src/startupsettings.h"

#include <gtest/gtest.h>

using Belgarune::deriveAntiAlias;
using Belgarune::deriveWindowSize;
using Size = irr::core::dimension2d<irr::u32>;

TEST(StartupSettings, AntiAliasingSnapsToSupportedLevels)
{
    const std::pair<int, int> cases[] = {{-5, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 4}, {5, 4}, {7, 4}, {8, 8},
                                         {9, 16}, {15, 16}, {16, 16}, {40, 16}, {-1, 0}};
    for (const auto& [level, expected] : cases)
        EXPECT_EQ(deriveAntiAlias(level), expected) << level;
}

TEST(StartupSettings, WindowSizeClampsEachSideOrTakesTheDesktop)
{
    int desktopAsked = 0;
    auto desktop = [&desktopAsked]() {
        ++desktopAsked;
        return Size(2560, 1440);
    };
    EXPECT_EQ(deriveWindowSize(-1, -1, desktop), Size(2560, 1440));
    EXPECT_EQ(desktopAsked, 1);
    EXPECT_EQ(deriveWindowSize(-1, 720, desktop), Size(640, 720));
    EXPECT_EQ(deriveWindowSize(5000, 100, desktop), Size(1920, 480));
    EXPECT_EQ(deriveWindowSize(100, 5000, desktop), Size(640, 1280));
    EXPECT_EQ(deriveWindowSize(1280, -1, desktop), Size(1280, 480));
    EXPECT_EQ(desktopAsked, 1);
}

TEST(StartupSettings, DesktopSizeFromIrrlichtElseTheDisplayElse640By480Logged)
{
    // Irrlicht's answer, the display's, the size taken, whether it is logged.
    const struct
    {
        Size irrlicht;
        Size display;
        Size expected;
        bool logged;
    } cases[] = {
        {Size(1920, 1080), Size(1280, 1024), Size(1920, 1080), false},
        {Size(0, 0), Size(1280, 1024), Size(1280, 1024), false},
        {Size(1920, 0), Size(1280, 1024), Size(1280, 1024), false},
        {Size(0, 0), Size(0, 0), Size(640, 480), true},
    };
    for (const auto& c : cases)
    {
        testing::internal::CaptureStderr();
        const Size chosen =
            Belgarune::chooseDesktopResolution([&c] { return c.irrlicht; }, [&c] { return c.display; });
        const std::string messages = testing::internal::GetCapturedStderr();
        EXPECT_EQ(chosen, c.expected);
        EXPECT_EQ(messages.find("No desktop size could be read") != std::string::npos, c.logged) << messages;
    }
}
