#include "platform/textfile.h"
#include "talvoren/consolelogic.h"
#include "talvoren/eventmanager.h"
#include "talvoren/gamelogic.h"
#include "talvoren/logfile.h"
#include "talvoren/ombeldevice.h"
#include "tests/support/commalocale.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using Talvoren::ConsoleMonitorSystemMessage;

namespace
{
// Records the input and console lines the device hands on.
class InputRecorder : public Talvoren::GameLogic
{
public:
    void update() override {}
    void render() override {}
    bool OnEvent(const irr::SEvent& event) override
    {
        events.push_back(event.EventType);
        return consumes;
    }
    void onConsoleInput(irr::core::stringw line) override { lines.push_back(line); }

    std::vector<irr::EEVENT_TYPE> events;
    std::vector<irr::core::stringw> lines;
    bool consumes = false;
};

irr::SEvent keyEvent(irr::EKEY_CODE key, bool pressed, wchar_t character = 0, bool control = false)
{
    irr::SEvent event;
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.PressedDown = pressed;
    event.KeyInput.Char = character;
    event.KeyInput.Shift = false;
    event.KeyInput.Control = control;
    return event;
}

irr::SEvent mouseEvent()
{
    irr::SEvent event;
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = irr::EMIE_LMOUSE_PRESSED_DOWN;
    event.MouseInput.X = 10;
    event.MouseInput.Y = 10;
    event.MouseInput.Wheel = 0;
    event.MouseInput.ButtonStates = irr::EMBSM_LEFT;
    event.MouseInput.Shift = false;
    event.MouseInput.Control = false;
    return event;
}

std::string narrowText(const irr::core::stringw& text)
{
    return platform::narrow(text.c_str());
}
} // namespace

class ConsoleDeviceTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        testsupport::NullDeviceTest::SetUp();
        m_console = m_device->getConsole();
        ASSERT_NE(m_console, nullptr);
        m_logic = std::make_shared<InputRecorder>();
        m_device->setGameLogic(m_logic);
    }

    // Sends a key press with its character and the release.
    void type(const std::wstring& text)
    {
        for (wchar_t c : text)
        {
            m_device->OnEvent(keyEvent(irr::KEY_KEY_A, true, c));
            m_device->OnEvent(keyEvent(irr::KEY_KEY_A, false, c));
        }
    }

    void enter(const std::wstring& line)
    {
        type(line);
        m_device->OnEvent(keyEvent(irr::KEY_RETURN, true, L'\r'));
    }

    void openConsole()
    {
        if (!m_console->isVisible())
            m_device->OnEvent(keyEvent(irr::KEY_F1, false));
        ASSERT_TRUE(m_console->isVisible());
    }

    size_t messageCount() const { return m_console->getMessageList().getMessages().size(); }

    // Messages added since the given count, as "type|text".
    std::vector<std::string> messagesSince(size_t first) const
    {
        std::vector<std::string> result;
        const auto& messages = m_console->getMessageList().getMessages();
        for (size_t i = first; i < messages.size(); ++i)
            result.push_back(std::to_string(messages[i].type) + "|" + narrowText(messages[i].text));
        return result;
    }

    std::string logFileText() const
    {
        return testsupport::readFile(platform::narrow(m_device->getLogFile()->getFileName()));
    }

    Talvoren::ConsoleLogic* m_console = nullptr;
    std::shared_ptr<InputRecorder> m_logic;
};

TEST_F(ConsoleDeviceTest, StartLinesReachTheConsoleWithTwoMarks)
{
    // Only messages from before the console (the sound engine's) reach message boxes.
    EXPECT_EQ(m_startMessages.find(narrowText(m_device->getText(0))), std::string::npos) << m_startMessages;
    const std::vector<std::string> lines = messagesSince(0);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "1|" + narrowText(m_device->getText(0)));
    EXPECT_EQ(lines[2], "1|" + narrowText(m_device->getText(5)) + ": 0.3 Pre-Alpha");
    EXPECT_EQ(lines[4], "4|");
    EXPECT_EQ(lines[6], "4|");
    EXPECT_EQ(m_console->getMessageList().getMessages()[4].color, m_device->getMessageColor(Talvoren::kLogInfo));
    EXPECT_NE(m_console->getFont(), nullptr) << "the built-in font until one is set";
    EXPECT_GT(m_console->getLineHeight(), 0);
}

TEST_F(ConsoleDeviceTest, F1PressGoesToTheLogicAndItsReleaseTogglesTheConsole)
{
    EXPECT_FALSE(m_device->OnEvent(keyEvent(irr::KEY_F1, true)));
    EXPECT_EQ(m_logic->events.size(), 1u);
    EXPECT_TRUE(m_device->isKeyDown(irr::KEY_F1));

    EXPECT_TRUE(m_device->OnEvent(keyEvent(irr::KEY_F1, false)));
    EXPECT_TRUE(m_console->isVisible());
    EXPECT_TRUE(m_device->isKeyDown(irr::KEY_F1)) << "the release does not reach the key table";
    EXPECT_EQ(m_logic->events.size(), 1u);

    // While open, the press of F1 is neither consumed nor passed on.
    EXPECT_FALSE(m_device->OnEvent(keyEvent(irr::KEY_F1, true)));
    EXPECT_TRUE(m_device->OnEvent(keyEvent(irr::KEY_F1, false)));
    EXPECT_FALSE(m_console->isVisible());
    EXPECT_EQ(m_logic->events.size(), 1u);
}

TEST_F(ConsoleDeviceTest, OpenConsoleTakesTheKeysButTheKeyTableStillFollows)
{
    openConsole();
    m_logic->consumes = true;
    EXPECT_TRUE(m_device->OnEvent(keyEvent(irr::KEY_KEY_W, true, L'w')));
    EXPECT_TRUE(m_device->isKeyDown(irr::KEY_KEY_W));
    EXPECT_TRUE(m_device->OnEvent(keyEvent(irr::KEY_KEY_W, false, L'w')));
    EXPECT_FALSE(m_device->isKeyDown(irr::KEY_KEY_W));
    EXPECT_TRUE(m_logic->events.empty());
    EXPECT_EQ(m_console->getInputLine(), irr::core::stringw(L"w"));

    // With Ctrl: consumed, nothing typed.
    EXPECT_TRUE(m_device->OnEvent(keyEvent(irr::KEY_KEY_C, true, L'c', true)));
    EXPECT_EQ(m_console->getInputLine(), irr::core::stringw(L"w"));

    // Navigation keys: neither consumed nor passed on, also without a logic.
    for (irr::EKEY_CODE key : {irr::KEY_TAB, irr::KEY_LSHIFT, irr::KEY_ESCAPE, irr::KEY_HOME, irr::KEY_DELETE,
                               irr::KEY_F12})
        EXPECT_FALSE(m_device->OnEvent(keyEvent(key, true, L'x'))) << key;
    EXPECT_TRUE(m_logic->events.empty());
    EXPECT_EQ(m_console->getInputLine(), irr::core::stringw(L"w"));

    // A code beyond the key table still types its character.
    EXPECT_TRUE(m_device->OnEvent(keyEvent(static_cast<irr::EKEY_CODE>(0xFF52), true, L'z')));
    EXPECT_EQ(m_console->getInputLine(), irr::core::stringw(L"wz"));
    EXPECT_TRUE(m_device->OnEvent(keyEvent(irr::KEY_BACK, true, L'\b')));
    EXPECT_EQ(m_console->getInputLine(), irr::core::stringw(L"w"));
}

TEST_F(ConsoleDeviceTest, MouseEventsAlwaysReachTheLogic)
{
    m_logic->consumes = true;
    EXPECT_TRUE(m_device->OnEvent(mouseEvent()));
    openConsole();
    m_logic->consumes = false;
    EXPECT_FALSE(m_device->OnEvent(mouseEvent()));
    EXPECT_EQ(m_logic->events,
              (std::vector<irr::EEVENT_TYPE>{irr::EET_MOUSE_INPUT_EVENT, irr::EET_MOUSE_INPUT_EVENT}));
}

class ConsoleWithoutLogicTest : public testsupport::NullDeviceTest
{
};

TEST_F(ConsoleWithoutLogicTest, EveryEventIsConsumedButIgnoredConsoleKeys)
{
    Talvoren::OmbelDevice& device = *m_device;
    EXPECT_TRUE(device.OnEvent(keyEvent(irr::KEY_KEY_W, true, L'w')));
    EXPECT_TRUE(device.OnEvent(mouseEvent()));
    EXPECT_TRUE(device.OnEvent(keyEvent(irr::KEY_F1, false)));
    EXPECT_TRUE(device.OnEvent(keyEvent(irr::KEY_KEY_W, true, L'w')));
    EXPECT_FALSE(device.OnEvent(keyEvent(irr::KEY_TAB, true)));
    EXPECT_TRUE(device.OnEvent(mouseEvent()));
    EXPECT_EQ(device.getConsole()->getInputLine(), irr::core::stringw(L"w"));
}

TEST_F(ConsoleDeviceTest, ReturnRunsTheLineAndTheArrowsWalkTheHistory)
{
    m_device->openLog();
    openConsole();
    m_device->OnEvent(keyEvent(irr::KEY_RETURN, true, L'\r'));
    EXPECT_EQ(m_console->getHistory().size(), 0u) << "an empty line is not kept";
    EXPECT_TRUE(m_logic->lines.empty());

    enter(L"go north");
    enter(L"Ombel help");
    EXPECT_TRUE(m_console->getInputLine().empty());
    EXPECT_EQ(m_logic->lines, (std::vector<irr::core::stringw>{L"go north", L"Ombel help"}));
    EXPECT_EQ(m_console->getHistory().size(), 2u);

    m_device->OnEvent(keyEvent(irr::KEY_UP, true));
    m_device->OnEvent(keyEvent(irr::KEY_UP, true));
    EXPECT_EQ(m_console->getInputLine(), irr::core::stringw(L"go north"));
    m_device->OnEvent(keyEvent(irr::KEY_DOWN, true));
    EXPECT_EQ(m_console->getInputLine(), irr::core::stringw(L"Ombel help"));

    const std::string file = logFileText();
    EXPECT_NE(file.find("] <input> go north\n"), std::string::npos) << file;
    EXPECT_NE(file.find("] <input> Ombel help\n"), std::string::npos) << file;
}

TEST_F(ConsoleDeviceTest, PageKeysScrollTheMessages)
{
    openConsole();
    for (int i = 0; i < 200; ++i)
        m_device->log(L"line", Talvoren::kLogInfo, false);
    m_console->drawOverlay(); // lays out the lines the panel shows
    m_device->OnEvent(keyEvent(irr::KEY_NEXT, true));
    m_device->OnEvent(keyEvent(irr::KEY_NEXT, true));
    EXPECT_EQ(m_console->getMessageList().getScrollOffset(), 2);
    m_device->OnEvent(keyEvent(irr::KEY_PRIOR, true));
    EXPECT_EQ(m_console->getMessageList().getScrollOffset(), 1);
    EXPECT_TRUE(m_logic->events.empty());
}

TEST_F(ConsoleDeviceTest, LogReachesTheConsoleByLevelAndForce)
{
    m_device->openLog();
    testing::internal::CaptureStderr();
    size_t first = messageCount();
    m_device->log(L"info at 1", Talvoren::kLogInfo, false);
    m_device->setLogLevel(0);
    m_device->log(L"info at 0", Talvoren::kLogInfo, false);
    m_device->log(L"forced at 0", Talvoren::kLogSecondary, true);
    m_device->logError(L"error %p", L"at 0");
    m_device->log(L"mark at 0", Talvoren::kLogMark, false);
    m_device->setLogLevel(2);
    m_device->logError(L"error at 2", L"");
    m_device->log(L"forced at 2", Talvoren::kLogMark, true);
    m_device->log(L"PNG warning at 2", Talvoren::kLogError, true);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "no message boxes while the console exists";

    EXPECT_EQ(messagesSince(first), (std::vector<std::string>{"1|info at 1", "5|forced at 0", "3|error at 0",
                                                               "4|forced at 2"}));
    const auto& messages = m_console->getMessageList().getMessages();
    EXPECT_EQ(messages[first + 1].color, irr::video::SColor(255, 100, 100, 100));
    EXPECT_EQ(messages[first + 2].color, irr::video::SColor(255, 255, 150, 150));
    EXPECT_EQ(messages[first + 3].color, irr::video::SColor(255, 255, 255, 255));

    const std::string file = logFileText();
    for (const char* line : {"<console> info at 0", "<error> error at 2", "<console> mark at 0"})
        EXPECT_NE(file.find(line), std::string::npos) << line;
    EXPECT_EQ(file.find("PNG warning"), std::string::npos);

    first = messageCount();
    m_device->addMonitorMark(Talvoren::kLogError);
    ASSERT_EQ(messageCount(), first + 1);
    EXPECT_EQ(messages.back().color, irr::video::SColor(255, 255, 150, 150));
    EXPECT_EQ(messages.back().type, static_cast<irr::u32>(Talvoren::kLogMark));
}

TEST_F(ConsoleDeviceTest, HelpAndDriverPrintForcedLinesBetweenStars)
{
    m_device->setLogLevel(0);
    const std::string stars = "4|" + std::string(38, '*');
    size_t first = messageCount();
    m_device->executeConsoleLine(L"ombel help");
    std::vector<std::string> expected{stars};
    for (int text : {13, 14, 15, 12})
        expected.push_back("5|" + narrowText(m_device->getText(text)));
    expected.push_back(stars);
    EXPECT_EQ(messagesSince(first), expected);

    first = messageCount();
    m_device->executeConsoleLine(L"ombel driver");
    const std::vector<std::string> lines = messagesSince(first);
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines.front(), stars);
    EXPECT_EQ(lines.back(), stars);
    EXPECT_EQ(lines[1].rfind("5|RENDER_TO_TARGET: ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[17], "5|GLSL: false") << "the null driver has no shaders";
    EXPECT_EQ(lines[27].rfind("5|BLEND_OPERATIONS: ", 0), 0u) << lines[27];
    for (size_t i = 1; i < 28; ++i)
        EXPECT_TRUE(lines[i].find(": true") != std::string::npos || lines[i].find(": false") != std::string::npos)
            << lines[i];
}

TEST_F(ConsoleDeviceTest, FpsAndSpeedCommands)
{
    irr::ITimer* timer = m_device->getIrrlichtDevice()->getTimer();
    m_device->executeConsoleLine(L"ombel fps");
    EXPECT_TRUE(m_device->isShowFps());
    m_device->executeConsoleLine(L"ombel fps");
    EXPECT_FALSE(m_device->isShowFps());

    m_device->executeConsoleLine(L"ombel speed 2.5");
    EXPECT_FLOAT_EQ(timer->getSpeed(), 2.5f);
    m_device->executeConsoleLine(L"ombel speed 0");
    EXPECT_FLOAT_EQ(timer->getSpeed(), 0.0f);
    const irr::u32 stopped = m_device->getTimeMs();
    m_device->getIrrlichtDevice()->sleep(5);
    m_device->getIrrlichtDevice()->run();
    EXPECT_EQ(m_device->getTimeMs(), stopped);

    const std::pair<const wchar_t*, irr::f32> outOfRange[] = {
        {L"ombel speed -3", 0.0f}, {L"ombel speed abc", 0.0f}, {L"ombel speed nan", 0.0f},
        {L"ombel speed 1e9", 100.0f}, {L"ombel speed 1e300", 100.0f}};
    for (const auto& [line, speed] : outOfRange)
    {
        m_device->executeConsoleLine(L"ombel speed 1");
        m_device->executeConsoleLine(line);
        EXPECT_FLOAT_EQ(timer->getSpeed(), speed) << platform::narrow(line);
    }

    m_device->executeConsoleLine(L"ombel speed 1");
    for (const wchar_t* line : {L"ombel speed", L"ombel speed "})
    {
        const size_t first = messageCount();
        m_device->executeConsoleLine(line);
        EXPECT_EQ(messagesSince(first), (std::vector<std::string>{"3|" + narrowText(m_device->getText(4))}));
        EXPECT_FLOAT_EQ(timer->getSpeed(), 1.0f);
    }
}

TEST_F(ConsoleDeviceTest, UnknownWordsAreReportedVerbatim)
{
    const std::string label = narrowText(m_device->getText(9));
    const std::pair<const wchar_t*, std::string> cases[] = {
        {L"ombel jump", label + ": jump"},
        {L"ombel ", label + ": "},
        {L"ombel  help", label + ":  help"},
        {L"ombel %s%n%x", label + ": %s%n%x"},
        {L"ombel %p", label + ": %p"},
        {L"ombel HELP now", label + ": HELP"},
    };
    for (const auto& [line, expected] : cases)
    {
        const size_t first = messageCount();
        m_device->executeConsoleLine(line);
        EXPECT_EQ(messagesSince(first), (std::vector<std::string>{"3|" + expected})) << expected;
    }
    EXPECT_TRUE(m_logic->lines.empty());

    const size_t first = messageCount();
    m_device->executeConsoleLine(L"ombel log");
    m_device->executeConsoleLine(L"ombel log maybe");
    m_device->executeConsoleLine(L"ombel");
    EXPECT_EQ(messageCount(), first);
    EXPECT_EQ(m_logic->lines, (std::vector<irr::core::stringw>{L"ombel"}));
    EXPECT_EQ(m_console->getHistory().size(), 9u);
}

TEST_F(ConsoleDeviceTest, LogCommandsDriveTheEventRecording)
{
    const std::shared_ptr<EventManager> events = m_device->getEventManager();
    m_device->executeConsoleLine(L"ombel log on");
    EXPECT_TRUE(events->getLogEvents());
    EXPECT_TRUE(m_console->isEventLogging());
    m_device->executeConsoleLine(L"ombel log off");
    EXPECT_FALSE(events->getLogEvents());
    EXPECT_FALSE(m_console->isEventLogging());

    m_device->executeConsoleLine(L"ombel log save");
    ASSERT_TRUE(std::filesystem::exists("Eventlog.txt"));
    EXPECT_NE(testsupport::readFile("Eventlog.txt").find("serialization::archive"), std::string::npos);
    m_device->executeConsoleLine(L"ombel log load");
    EXPECT_EQ(events->getReplayEventCount(), 0u);
}

TEST_F(ConsoleDeviceTest, DebugVariablesShowSixDecimals)
{
    const testsupport::CommaDecimalLocale commaDecimals;
    m_device->setDebugVariable(1, 3.0, L"Logged Events");
    m_device->setDebugVariable(2, -0.5, L"Other");
    m_device->setDebugVariable(1, 1234.56789, L"ignored");
    const auto& variables = m_console->getDebugVariables();
    ASSERT_EQ(variables.size(), 2u);
    EXPECT_EQ(variables[0].value, irr::core::stringw(L"1234.567890"));
    EXPECT_EQ(variables[0].name, irr::core::stringw(L"Logged Events"));
    EXPECT_EQ(variables[1].value, irr::core::stringw(L"-0.500000"));
    m_console->drawDebugVariables(); // safe on the null driver
}

TEST_F(ConsoleDeviceTest, ExternalScriptRunsEachLineAsAConsoleLine)
{
    const std::string longLine(600, 'x');
    testsupport::writeFile("scripts/Setup.txt", "ombel fps\r\nhello there\r\n\r\n" + longLine + "\n");
    const size_t first = messageCount();
    EXPECT_TRUE(m_device->loadExternalScript(L"scripts\\setup.txt"));
    EXPECT_EQ(messagesSince(first).front(), "0|Externes Skript scripts\\setup.txt wurd geladen.");
    EXPECT_TRUE(m_device->isShowFps());
    ASSERT_EQ(m_logic->lines.size(), 2u);
    EXPECT_EQ(m_logic->lines[0], irr::core::stringw(L"hello there"));
    EXPECT_EQ(m_logic->lines[1].size(), 511u);

    const size_t before = messageCount();
    EXPECT_FALSE(m_device->loadExternalScript(L"missing.txt"));
    EXPECT_EQ(messagesSince(before),
              (std::vector<std::string>{"3|Externes Skript missing.txt konnte nicht geladen werden."}));
}

TEST_F(ConsoleDeviceTest, MissingFontFileKeepsTheBuiltInFont)
{
    irr::gui::IGUIFont* builtIn = m_device->getConsoleFont();
    ASSERT_NE(builtIn, nullptr);
    m_device->setConsoleFont(L"Talvoren/systemFont.bmp");
    EXPECT_EQ(m_device->getConsoleFont(), builtIn);
    EXPECT_EQ(m_console->getLineHeight(), static_cast<irr::s32>(builtIn->getDimension(L"A").Height));
}

TEST(ConsoleWithoutConsole, DeviceOperationsAreSafe)
{
    Talvoren::OmbelDevice device;
    EXPECT_EQ(device.getConsole(), nullptr);
    EXPECT_EQ(device.getConsoleFont(), nullptr);
    device.toggleConsole();
    device.runConsoleFrame();
    device.setDebugVariable(1, 1.0, L"x");
    device.setConsoleFont(L"none.bmp");
    device.addMonitorMark(Talvoren::kLogInfo);
    testing::internal::CaptureStderr();
    device.executeConsoleLine(L"ombel nothing");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Talvoren: STRING_OUT_OF_BOUNDARIES: nothing\n");
}
