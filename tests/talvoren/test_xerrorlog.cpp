#include "talvoren/log.h"
#include "talvoren/xerrorlog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::XErrorKind;

namespace
{
const platform::XError kGetGeometry{"X error: BadDrawable (request 14.0)", XErrorKind::DrawableLost};
const platform::XError kPutImage{"X error: BadDrawable (request 130.3)", XErrorKind::DrawableLost};
const platform::XError kSwapInterval{"X error: GLXBadContextTag (request 150.16)", XErrorKind::SwapControlRefused};
const std::string kNoVsync = "1 Vertical sync is not available on this display.";

// Each written line as its type, a blank and its text.
struct Recorder
{
    Talvoren::XErrorLog log{[this](const std::string& text, irr::u32 type) {
        lines.push_back(std::to_string(type) + " " + text);
    }};
    std::vector<std::string> lines;
};
} // namespace

TEST(XErrorLog, RepeatsAreCountedAndLoggedOnceOnFlush)
{
    struct Case
    {
        const char* name;
        std::vector<platform::XError> errors;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"single", {kGetGeometry}, {"3 " + kGetGeometry.text}},
        {"repeated",
         {kGetGeometry, kGetGeometry, kGetGeometry},
         {"3 " + kGetGeometry.text, "3 " + kGetGeometry.text + " (repeated 2 more times)"}},
        {"interleaved",
         {kGetGeometry, kPutImage, kGetGeometry, kPutImage, kGetGeometry},
         {"3 " + kGetGeometry.text, "3 " + kPutImage.text, "3 " + kGetGeometry.text + " (repeated 2 more times)",
          "3 " + kPutImage.text + " (repeated 1 more times)"}},
        {"swap control", {kSwapInterval, kGetGeometry, kSwapInterval}, {kNoVsync, "3 " + kGetGeometry.text}},
    };
    for (const Case& c : cases)
    {
        Recorder recorder;
        recorder.log.open();
        for (const platform::XError& error : c.errors)
            recorder.log.report(error);
        recorder.log.flushRepeats();
        EXPECT_EQ(recorder.lines, c.expected) << c.name;
    }
}

TEST(XErrorLog, LinesWaitUntilOpen)
{
    Recorder recorder;
    recorder.log.report(kSwapInterval);
    recorder.log.report(kGetGeometry);
    EXPECT_TRUE(recorder.lines.empty());
    recorder.log.open();
    recorder.log.report(kPutImage);
    EXPECT_EQ(recorder.lines, (std::vector<std::string>{kNoVsync, "3 " + kGetGeometry.text, "3 " + kPutImage.text}));
}
