#include "talvoren/consolelogic.h"
#include "talvoren/log.h"

#include <gtest/gtest.h>

using Talvoren::ConsoleLogic;

namespace
{
const irr::video::SColor kBlue(255, 0, 0, 255);
} // namespace

TEST(ConsoleLogic, StartsClosedEmptyAndWithoutFontWhenThereIsNoDevice)
{
    ConsoleLogic console(nullptr);
    EXPECT_FALSE(console.isVisible());
    EXPECT_EQ(console.getFont(), nullptr);
    EXPECT_EQ(console.getLineHeight(), 0);
    EXPECT_TRUE(console.getInputLine().empty());
    EXPECT_TRUE(console.getMessageList().getMessages().empty());
    EXPECT_FALSE(console.isEventLogging());
    EXPECT_STREQ(console.getName(), "Root GameLogicclass");
    // Without a device and a font every drawing operation leaves quietly.
    console.setVisible(true);
    console.setDebugVariable(1, L"1.000000", L"Logged Events");
    console.addMessage(L"text", kBlue, Talvoren::kLogInfo, L"");
    console.frame();
    console.drawOverlay();
    console.drawDebugVariables();
    console.drawInputLine();
    console.drawFps();
    EXPECT_EQ(console.getMessageList().getMessages().size(), 1u) << "the message is kept for when a font comes";
    EXPECT_EQ(console.getMessageList().getDrawnLines(), 0);
}

TEST(ConsoleLogic, MessagesKeepTypeColourAndAReplacementText)
{
    ConsoleLogic console(nullptr);
    console.addMessage(L"original", kBlue, Talvoren::kLogError, L"");
    console.addMessage(L"original", kBlue, Talvoren::kLogInfo, L"replaced");
    console.addMonitorMark(kBlue);
    const auto& messages = console.getMessageList().getMessages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, irr::core::stringw(L"original"));
    EXPECT_EQ(messages[0].type, static_cast<irr::u32>(Talvoren::kLogError));
    EXPECT_EQ(messages[0].color, kBlue);
    EXPECT_EQ(messages[0].timeMs, 0u);
    EXPECT_EQ(messages[1].text, irr::core::stringw(L"replaced"));
    EXPECT_EQ(messages[2].type, static_cast<irr::u32>(Talvoren::kLogMark));
}

TEST(ConsoleLogic, DebugVariablesKeepTheirRowAndName)
{
    ConsoleLogic console(nullptr);
    console.setDebugVariable(1, L"1.000000", L"Logged Events");
    console.setDebugVariable(7, L"a", L"Other");
    console.setDebugVariable(1, L"2.000000", L"Renamed?");
    const auto& variables = console.getDebugVariables();
    ASSERT_EQ(variables.size(), 2u);
    EXPECT_EQ(variables[0].id, 1u);
    EXPECT_EQ(variables[0].value, irr::core::stringw(L"2.000000"));
    EXPECT_EQ(variables[0].name, irr::core::stringw(L"Logged Events"));
    EXPECT_EQ(variables[1].value, irr::core::stringw(L"a"));
}

TEST(ConsoleLogic, InputLineTypesErasesAndRecallsTheHistory)
{
    ConsoleLogic console(nullptr);
    console.eraseChar();
    EXPECT_TRUE(console.getInputLine().empty());
    console.addChar(L'o');
    console.addChar(0);
    console.addChar(L'k');
    EXPECT_EQ(console.getInputLine(), irr::core::stringw(L"ok"));
    console.eraseChar();
    EXPECT_EQ(console.getInputLine(), irr::core::stringw(L"o"));

    console.historyUp();
    EXPECT_EQ(console.getInputLine(), irr::core::stringw(L"o")) << "an empty history leaves the line";
    console.addHistory(L"first");
    console.historyDown();
    EXPECT_EQ(console.getInputLine(), irr::core::stringw(L"o")) << "nothing newer than the last entry";
    console.historyUp();
    EXPECT_EQ(console.getInputLine(), irr::core::stringw(L"first"));
    console.clearInputLine();
    EXPECT_TRUE(console.getInputLine().empty());
}
