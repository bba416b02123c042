#include "platform/textfile.h"
#include "talvoren/consolelogic.h"
#include "talvoren/consolemessagelist.h"
#include "talvoren/gamelogic.h"
#include "talvoren/ombeldevice.h"
#include "tests/support/nulldevice.h"
#include "tests/support/xerrors.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// Loses "the window" (provokes the X error of a destroyed window) twice in
// one frame; quits by itself after many frames.
class WindowLosingLogic : public Talvoren::GameLogic
{
public:
    explicit WindowLosingLogic(int lossFrame) : m_lossFrame(lossFrame) {}
    void update() override
    {
        if (++frames == m_lossFrame)
            provoked = testsupport::provokeLostWindowError() && testsupport::provokeLostWindowError();
        if (frames == 100)
            g_device->quit();
    }
    void render() override {}

    int frames = 0;
    bool provoked = false;

private:
    int m_lossFrame;
};

int consoleLinesWith(const std::string& part)
{
    int count = 0;
    for (const auto& message : g_device->getConsole()->getMessageList().getMessages())
        count += platform::toUtf8(message.text.c_str()).find(part) != std::string::npos ? 1 : 0;
    return count;
}
} // namespace

class DeviceXErrorTest : public testsupport::NullDeviceTest
{
};

TEST_F(DeviceXErrorTest, LostWindowEndsTheLoopAfterItsFrameAndIsLoggedOnce)
{
    auto logic = std::make_shared<WindowLosingLogic>(3);
    m_device->setGameLogic(logic);
    m_device->run();
    if (!logic->provoked)
        GTEST_SKIP() << "no X display";
    EXPECT_EQ(logic->frames, 3);
    const std::string error = "X error: BadWindow (invalid Window parameter) (request 4.0)";
    EXPECT_EQ(consoleLinesWith(error), 2);
    EXPECT_EQ(consoleLinesWith(error + " (repeated 1 more times)"), 1);
}
