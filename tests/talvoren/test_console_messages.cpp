#include "talvoren/consolehistory.h"
#include "talvoren/consolemessagelist.h"
#include "talvoren/log.h"

#include <gtest/gtest.h>

#include <vector>

using Talvoren::ConsoleHistory;
using Talvoren::ConsoleLinePlacement;
using Talvoren::ConsoleMessageList;
using Talvoren::ConsoleScrollBar;

namespace
{
const irr::video::SColor kRed(255, 255, 0, 0);
constexpr irr::s32 kLineHeight = 10;
// 40 + n * 10 + 10 must stay within 1000 - 20: room for 92 lines.
constexpr irr::s32 kTallScreen = 1000;

ConsoleMessageList listOf(int count, irr::u32 timeMs = 0)
{
    ConsoleMessageList list;
    for (int i = 0; i < count; ++i)
        list.add(irr::core::stringw(i), kRed, Talvoren::kLogInfo, timeMs);
    return list;
}

std::vector<irr::u32> indices(const std::vector<ConsoleLinePlacement>& lines)
{
    std::vector<irr::u32> result;
    for (const ConsoleLinePlacement& line : lines)
        result.push_back(line.messageIndex);
    return result;
}
} // namespace

TEST(ConsoleMessageList, KeepsTheNewestThousandButMarksGoBeyond)
{
    ConsoleMessageList list = listOf(1001);
    ASSERT_EQ(list.getMessages().size(), 1000u);
    EXPECT_EQ(list.getMessages().front().text, irr::core::stringw(1));
    EXPECT_EQ(list.getMessages().back().text, irr::core::stringw(1000));

    list.addMark(kRed, 5);
    list.addMark(kRed, 6);
    ASSERT_EQ(list.getMessages().size(), 1002u);
    EXPECT_EQ(list.getMessages().back().type, static_cast<irr::u32>(Talvoren::kLogMark));
    EXPECT_TRUE(list.getMessages().back().text.empty());
    EXPECT_EQ(list.getMessages().back().timeMs, 6u);

    list.add(L"next", kRed, Talvoren::kLogInfo, 7);
    EXPECT_EQ(list.getMessages().size(), 1002u);
}

TEST(ConsoleMessageList, ClosedConsoleFadesTheLastSecondAndStopsAtTheFirstExpired)
{
    ConsoleMessageList list;
    list.add(L"expired", kRed, Talvoren::kLogInfo, 1000);   // 6001 ms old
    list.add(L"at the end", kRed, Talvoren::kLogInfo, 1001); // 6000 ms old
    list.add(L"fading", kRed, Talvoren::kLogInfo, 1501);     // 5500 ms old
    list.add(L"fresh", kRed, Talvoren::kLogInfo, 7000);
    const std::vector<ConsoleLinePlacement> lines = list.layout(7001, false, kLineHeight, kTallScreen);

    ASSERT_EQ(indices(lines), (std::vector<irr::u32>{3, 2, 1}));
    EXPECT_EQ(lines[0].color.getAlpha(), 255u);
    EXPECT_EQ(lines[1].color.getAlpha(), 127u);
    EXPECT_EQ(lines[2].color.getAlpha(), 0u);
    EXPECT_EQ(lines[1].color.getRed(), 255u);
    EXPECT_EQ(list.getDrawnLines(), 3);
    // One line height below the starting edge, then one more per line.
    EXPECT_EQ(lines[0].top, 50);
    EXPECT_EQ(lines[2].top, 70);
}

TEST(ConsoleMessageList, ExpiryEndsTheWalkEvenWhenOlderMessagesAreNewer)
{
    ConsoleMessageList list;
    list.add(L"stamped late", kRed, Talvoren::kLogInfo, 9000);
    list.add(L"expired", kRed, Talvoren::kLogInfo, 0);
    EXPECT_TRUE(list.layout(9000, false, kLineHeight, kTallScreen).empty());
    EXPECT_EQ(list.getDrawnLines(), 0);
}

TEST(ConsoleMessageList, OpenConsoleKeepsOldMessagesOpaqueAndStopsAtTheBottom)
{
    ConsoleMessageList list = listOf(200, 0);
    const std::vector<ConsoleLinePlacement> lines = list.layout(1000000, true, kLineHeight, 200);
    // Tops 50..160 fit (160 + 20 <= 180); the next one is counted but not drawn.
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines.front().messageIndex, 199u);
    EXPECT_EQ(lines.back().messageIndex, 188u);
    EXPECT_EQ(lines.back().color.getAlpha(), 255u);
    EXPECT_EQ(list.getDrawnLines(), 13);

    ConsoleScrollBar bar{};
    ASSERT_TRUE(list.getScrollBar(200, bar));
    EXPECT_EQ(bar.top, 0);
    EXPECT_EQ(bar.bottom, static_cast<irr::s32>(13.0f / 200.0f * 180.0f));
}

TEST(ConsoleMessageList, ScrollBarCoversTheShownShareAndNeedsALine)
{
    ConsoleMessageList empty;
    ConsoleScrollBar bar{};
    empty.layout(0, true, kLineHeight, kTallScreen);
    EXPECT_FALSE(empty.getScrollBar(kTallScreen, bar));

    ConsoleMessageList list = listOf(4);
    list.layout(0, true, kLineHeight, kTallScreen);
    list.scrollDown();
    EXPECT_EQ(list.getScrollOffset(), 0) << "all four were on screen";

    ConsoleMessageList many = listOf(100);
    many.layout(0, true, kLineHeight, 200);
    many.scrollDown();
    many.scrollDown();
    ASSERT_EQ(many.getScrollOffset(), 2);
    EXPECT_EQ(indices(many.layout(0, true, kLineHeight, 200)).front(), 97u);
    ASSERT_TRUE(many.getScrollBar(200, bar));
    EXPECT_EQ(bar.top, static_cast<irr::s32>(0.02f * 180.0f));
    EXPECT_EQ(bar.bottom, static_cast<irr::s32>(15.0f / 100.0f * 180.0f));
}

TEST(ConsoleMessageList, ScrollingStopsAtBothEnds)
{
    ConsoleMessageList list = listOf(30);
    list.scrollUp();
    EXPECT_EQ(list.getScrollOffset(), 0);

    // Before any layout nothing counts as shown: scrolling goes down to the count.
    for (int i = 0; i < 40; ++i)
        list.scrollDown();
    EXPECT_EQ(list.getScrollOffset(), 30);
    // An offset as large as the list shows nothing and reads no message.
    EXPECT_TRUE(list.layout(0, true, kLineHeight, kTallScreen).empty());
    EXPECT_EQ(list.getDrawnLines(), 0);
    list.scrollDown();
    EXPECT_EQ(list.getScrollOffset(), 30);

    list.layout(0, true, kLineHeight, 200);
    for (int i = 0; i < 40; ++i)
        list.scrollUp();
    EXPECT_EQ(list.getScrollOffset(), 0);
    for (int i = 0; i < 40; ++i)
    {
        list.scrollDown();
        list.layout(0, true, kLineHeight, 200);
    }
    // Thirteen lines counted from offset 17 reach the oldest message; the
    // last of them is counted but not drawn.
    EXPECT_EQ(list.getScrollOffset(), 17);
    EXPECT_EQ(indices(list.layout(0, true, kLineHeight, 200)).back(), 1u);
}

TEST(ConsoleHistory, WalksBothWaysAndStopsAtTheEnds)
{
    ConsoleHistory history;
    history.add(L"older");
    history.add(L"newer");
    EXPECT_EQ(history.getIndex(), 2u);
    EXPECT_EQ(history.down(), nullptr) << "nothing newer than the last entry";

    ASSERT_NE(history.up(), nullptr);
    EXPECT_EQ(*history.up(), irr::core::stringw(L"older"));
    EXPECT_EQ(*history.up(), irr::core::stringw(L"older"));
    EXPECT_EQ(history.getIndex(), 0u);

    EXPECT_EQ(*history.down(), irr::core::stringw(L"newer"));
    EXPECT_EQ(*history.down(), irr::core::stringw(L"newer"));
    EXPECT_EQ(history.getIndex(), 1u);

    history.add(L"third");
    EXPECT_EQ(*history.up(), irr::core::stringw(L"third"));
}

TEST(ConsoleHistory, EmptyHistoryChangesNothing)
{
    ConsoleHistory history;
    EXPECT_EQ(history.up(), nullptr);
    EXPECT_EQ(history.down(), nullptr);
    EXPECT_EQ(history.getIndex(), 0u);
    EXPECT_EQ(history.size(), 0u);
}
