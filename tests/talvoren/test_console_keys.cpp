#include "talvoren/consolekeyaction.h"

#include <Keycodes.h>

#include <gtest/gtest.h>

#include <initializer_list>

using Talvoren::ConsoleKeyAction;
using Talvoren::getConsoleKeyAction;

namespace
{
ConsoleKeyAction press(int key)
{
    return getConsoleKeyAction(key, true, false);
}
} // namespace

TEST(ConsoleKeyAction, ReleasesAndCtrlAreSwallowed)
{
    for (int key : std::initializer_list<int>{irr::KEY_KEY_W, irr::KEY_RETURN, irr::KEY_BACK, irr::KEY_TAB, irr::KEY_F5, -1})
    {
        EXPECT_EQ(getConsoleKeyAction(key, false, false), ConsoleKeyAction::Swallow) << key;
        EXPECT_EQ(getConsoleKeyAction(key, true, true), ConsoleKeyAction::Swallow) << key;
    }
}

TEST(ConsoleKeyAction, EditingKeysDriveTheInputLineAndHistory)
{
    EXPECT_EQ(press(irr::KEY_BACK), ConsoleKeyAction::EraseChar);
    EXPECT_EQ(press(irr::KEY_RETURN), ConsoleKeyAction::RunLine);
    EXPECT_EQ(press(irr::KEY_PRIOR), ConsoleKeyAction::ScrollUp);
    EXPECT_EQ(press(irr::KEY_NEXT), ConsoleKeyAction::ScrollDown);
    EXPECT_EQ(press(irr::KEY_UP), ConsoleKeyAction::HistoryUp);
    EXPECT_EQ(press(irr::KEY_DOWN), ConsoleKeyAction::HistoryDown);
}

TEST(ConsoleKeyAction, NavigationAndFunctionKeysAreIgnored)
{
    for (int key : std::initializer_list<int>{irr::KEY_TAB, irr::KEY_SHIFT, irr::KEY_LSHIFT, irr::KEY_RSHIFT, irr::KEY_ESCAPE, irr::KEY_END,
                    irr::KEY_HOME, irr::KEY_LEFT, irr::KEY_RIGHT, irr::KEY_DELETE})
        EXPECT_EQ(press(key), ConsoleKeyAction::Ignore) << key;
    for (int key = irr::KEY_F1; key <= irr::KEY_F24; ++key)
        EXPECT_EQ(press(key), ConsoleKeyAction::Ignore) << key;
}

TEST(ConsoleKeyAction, EverythingElseTypes)
{
    for (int key : std::initializer_list<int>{irr::KEY_KEY_A, irr::KEY_KEY_0, irr::KEY_SPACE, irr::KEY_PERIOD, irr::KEY_NUMPAD5,
                    irr::KEY_CONTROL, irr::KEY_INSERT, irr::KEY_KEY_CODES_COUNT - 1, -1})
        EXPECT_EQ(press(key), ConsoleKeyAction::AppendChar) << key;
    // The neighbours of the function keys are ordinary keys.
    EXPECT_EQ(press(irr::KEY_F1 - 1), ConsoleKeyAction::AppendChar);
    EXPECT_EQ(press(irr::KEY_F24 + 1), ConsoleKeyAction::AppendChar);
}
