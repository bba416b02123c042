#include "platform/textfile.h"
#include "talvoren/log.h"
#include "talvoren/logfile.h"
#include "talvoren/ombeldevice.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

using testsupport::readFile;
using testsupport::TempWorkDir;

namespace
{
// A device without an Irrlicht device: messages go to the log file and, with
// no console, to standard error.
class LogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directory("logs");
        g_device = &m_device;
    }
    void TearDown() override { g_device = nullptr; }

    std::string logText() const { return readFile(platform::narrow(m_device.getLogFile()->getFileName())); }

    TempWorkDir m_dir;
    Talvoren::OmbelDevice m_device;
};
} // namespace

TEST(LogFormat, OnlyTheFirstPlaceholderAndOnlyWithAnArgument)
{
    using Talvoren::formatLogText;
    EXPECT_EQ(formatLogText(L"Could not load INI file %p!", L"game.ini"),
              irr::core::stringw(L"Could not load INI file game.ini!"));
    EXPECT_EQ(formatLogText(L"%p and %p", L"x"), irr::core::stringw(L"x and %p"));
    EXPECT_EQ(formatLogText(L"keep %p", L""), irr::core::stringw(L"keep %p"));
    EXPECT_EQ(formatLogText(L"no placeholder", L"x"), irr::core::stringw(L"no placeholder"));
    EXPECT_EQ(formatLogText(L"%p", L"a%pb"), irr::core::stringw(L"a%pb"));
}

TEST_F(LogTest, FileLinesCarryTimeAndPrefix)
{
    m_device.openLog();
    testing::internal::CaptureStderr();
    m_device.log(L"hello", Talvoren::kLogInfo, false);
    m_device.log(L"mark", Talvoren::kLogMark, false);
    m_device.logError(L"Could not load %p!", L"x.png");
    const std::string shown = testing::internal::GetCapturedStderr();
    m_device.logToFile(L"--- banner ---");
    m_device.writeSystemInfo(0);
    m_device.writeSystemInfo(7);

    const std::string text = logText();
    const std::regex expected(
        "\\[\\d{4}-[A-Z][a-z]{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}\\] <console> hello\n"
        "\\[[^\\]]+\\] <console> mark\n"
        "\\[[^\\]]+\\] <error> Could not load x.png!\n"
        "\\[[^\\]]+\\] --- banner ---\n"
        "\n");
    EXPECT_TRUE(std::regex_match(text, expected)) << text;
    EXPECT_NE(shown.find("Talvoren: Could not load x.png!"), std::string::npos) << shown;
}

TEST_F(LogTest, PngMessagesAreDroppedButPngAloneIsKept)
{
    m_device.openLog();
    testing::internal::CaptureStderr();
    m_device.log(L"PNG warning: iCCP", Talvoren::kLogError, false);
    m_device.log(L"PNGx", Talvoren::kLogInfo, true);
    m_device.log(L"PNG", Talvoren::kLogInfo, false);
    const std::string shown = testing::internal::GetCapturedStderr();
    const std::string text = logText();
    EXPECT_EQ(text.find("iCCP"), std::string::npos);
    EXPECT_EQ(text.find("PNGx"), std::string::npos);
    EXPECT_NE(text.find("<console> PNG\n"), std::string::npos) << text;
    EXPECT_EQ(shown, "Talvoren: PNG\n");
}

TEST_F(LogTest, FileNameIsTheLocalStartTime)
{
    m_device.openLog();
    const std::string name = platform::narrow(m_device.getLogFile()->getFileName());
    EXPECT_TRUE(std::regex_match(name, std::regex("logs/\\d{4}-[A-Z][a-z]{2}-\\d{2}_\\d{2}_\\d{2}_\\d{2}\\.txt")))
        << name;
    EXPECT_TRUE(std::filesystem::exists(name));
}

TEST_F(LogTest, ReopeningEmptiesTheFile)
{
    m_device.openLog();
    m_device.logToFile(L"first run");
    m_device.openLog();
    EXPECT_EQ(logText(), "");
}

TEST_F(LogTest, MissingLogsFolderIsReportedAndLaterWritesFailQuietly)
{
    std::filesystem::remove("logs");
    testing::internal::CaptureStderr();
    m_device.openLog();
    m_device.logToFile(L"lost");
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_EQ(shown, "Talvoren: ERROR: could not create log file!\n");
    EXPECT_FALSE(m_device.getLogFile()->canAppend());
    EXPECT_FALSE(std::filesystem::exists("logs"));
}

TEST(LogWithoutDevice, GoesToStandardError)
{
    testing::internal::CaptureStderr();
    Talvoren::logError(L"Datei %p fehlt", L"a.txt");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Talvoren: Datei a.txt fehlt\n");
}
