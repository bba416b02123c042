// The desktop size without an X display (the end-to-end start-up test covers one with a display).

#include "platform/desktopsize.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(DesktopSize, IsEmptyWithoutADisplay)
{
    const char* saved = std::getenv("DISPLAY");
    const std::string previous = saved ? saved : "";
    ::setenv("DISPLAY", ":9876", 1);
    const platform::DesktopSize size = platform::queryDesktopSize();
    if (saved)
        ::setenv("DISPLAY", previous.c_str(), 1);
    else
        ::unsetenv("DISPLAY");
    EXPECT_EQ(size.width, 0u);
    EXPECT_EQ(size.height, 0u);
}
