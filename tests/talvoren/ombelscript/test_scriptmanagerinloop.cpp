// The device's main loop on the null driver runs the scripts every frame,
// after the process managers and before the active logic.

#include "talvoren/gamelogic.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "tests/support/nulldevice.h"
#include "tests/talvoren/ombelscript/recordinginterpreter.h"

#include <gtest/gtest.h>

namespace
{
// Notes how many statements the interpreter had seen when each frame's logic ran.
class CountingLogic : public Talvoren::GameLogic
{
public:
    CountingLogic(const scripttest::RecordingInterpreter& interpreter, int frames)
        : m_interpreter(interpreter), m_frames(frames)
    {
    }
    void update() override
    {
        seen.push_back(m_interpreter.calls.size());
        if (static_cast<int>(seen.size()) == m_frames)
            g_device->quit();
    }
    void render() override {}

    std::vector<size_t> seen;

private:
    const scripttest::RecordingInterpreter& m_interpreter;
    int m_frames;
};

class ScriptsInLoopTest : public testsupport::NullDeviceTest
{
};

TEST_F(ScriptsInLoopTest, EachFrameRunsTheScriptsBetweenProcessesAndLogic)
{
    Talvoren::OmbelScriptManager* manager = m_device->getScriptManager();
    ASSERT_NE(manager, nullptr);
    auto interpreter = std::make_shared<scripttest::RecordingInterpreter>(manager);
    manager->setInterpreter(interpreter);
    interpreter->registerFunctions(manager);

    manager->inject(L"heal(1); wait(0); heal(2); wait(0); heal(3); wait(0); heal(4);");
    ASSERT_EQ(interpreter->calls.size(), 1u);
    auto logic = std::make_shared<CountingLogic>(*interpreter, 4);
    testing::internal::CaptureStderr();
    m_device->setGameLogic(logic);
    testing::internal::GetCapturedStderr();
    m_device->run();

    // A wait of 0 dies in the next frame's process step; the script goes on in that frame.
    EXPECT_EQ(logic->seen, (std::vector<size_t>{2, 3, 4, 4}));
    EXPECT_EQ(manager->getActiveScriptCount(), 0u);
}
} // namespace
