#include "platform/textfile.h"
#include "talvoren/clock.h"
#include "talvoren/consolelogic.h"
#include "talvoren/consolemessagelist.h"
#include "talvoren/gamelogic.h"
#include "talvoren/logfile.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/processmanager/process.h"
#include "talvoren/processmanager/processmanager.h"
#include "talvoren/shadermanager.h"
#include "tests/support/levelassets.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

#include <gtest/gtest.h>

#include <chrono>
#include <iterator>
#include <limits>
#include <utility>
#include <string>
#include <thread>
#include <vector>

namespace
{
// Records what the device calls, and quits after a number of frames.
class RecordingLogic : public Talvoren::GameLogic
{
public:
    explicit RecordingLogic(int framesToRun) : m_framesToRun(framesToRun) {}

    void update() override
    {
        calls.push_back("update");
        if (onUpdate)
            onUpdate(++m_updates);
    }
    void render() override { calls.push_back("render"); }
    void onResize() override { calls.push_back("resize"); }
    void onFrameEnd() override
    {
        calls.push_back("end");
        if (++m_frames == m_framesToRun)
            g_device->quit();
    }
    bool OnEvent(const irr::SEvent&) override
    {
        ++events;
        return false;
    }

    std::vector<std::string> calls;
    std::function<void(int)> onUpdate;
    int events = 0;

private:
    int m_framesToRun;
    int m_frames = 0;
    int m_updates = 0;
};

// Hands the device a successor from inside one of its entry points ("update",
// "event" or "console") and notes whether it was still alive right after.
class SelfReplacingLogic : public Talvoren::GameLogic
{
public:
    SelfReplacingLogic(std::string entry, bool& destroyed, bool& aliveAfterReplacing)
        : m_entry(std::move(entry)), m_destroyed(destroyed), m_aliveAfterReplacing(aliveAfterReplacing)
    {
    }
    ~SelfReplacingLogic() override { m_destroyed = true; }

    void update() override { replaceIn("update"); }
    void render() override {}
    bool OnEvent(const irr::SEvent&) override
    {
        replaceIn("event");
        return false;
    }
    void onConsoleInput(irr::core::stringw) override { replaceIn("console"); }

private:
    void replaceIn(const std::string& entry)
    {
        if (entry != m_entry)
            return;
        // Only locals from here on: the device may have freed this object.
        bool& destroyed = m_destroyed;
        bool& alive = m_aliveAfterReplacing;
        g_device->setGameLogic(std::make_shared<RecordingLogic>(1));
        alive = !destroyed;
    }

    std::string m_entry;
    bool& m_destroyed;
    bool& m_aliveAfterReplacing;
};

// Writes a name into a call list on every update; never dies.
class RecordingProcess : public Process
{
public:
    RecordingProcess(std::vector<std::string>& calls, std::string name)
        : Process(0), m_calls(calls), m_name(std::move(name))
    {
    }
    void onUpdate(std::uint32_t deltaMs) override
    {
        Process::onUpdate(deltaMs);
        m_calls.push_back(m_name);
    }

private:
    std::vector<std::string>& m_calls;
    std::string m_name;
};

// Every text the console's message list holds, one per line.
std::string consoleText()
{
    std::string text;
    for (const auto& message : g_device->getConsole()->getMessageList().getMessages())
        text += platform::toUtf8(message.text.c_str()) + "\n";
    return text;
}

irr::SEvent keyEvent(irr::EKEY_CODE key, bool pressed)
{
    irr::SEvent event;
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.PressedDown = pressed;
    event.KeyInput.Char = 0;
    event.KeyInput.Shift = false;
    event.KeyInput.Control = false;
    return event;
}
} // namespace

class DeviceTest : public testsupport::NullDeviceTest
{
};

TEST_F(DeviceTest, StartLinesUseTheLanguageTexts)
{
    const std::string text = consoleText();
    EXPECT_NE(text.find("Engine version: 0.3 Pre-Alpha\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Render threads: 1 (single-threaded main loop)\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("STRING_OUT_OF_BOUNDARIES"), std::string::npos) << text;
}

TEST_F(DeviceTest, LoopRunsUpdateRenderEndUntilQuit)
{
    auto logic = std::make_shared<RecordingLogic>(3);
    ASSERT_TRUE(m_device->setGameLogic(logic));
    EXPECT_NE(consoleText().find("Active logic : Root GameLogicclass\n"), std::string::npos) << consoleText();
    m_device->run();
    EXPECT_EQ(logic->calls, (std::vector<std::string>{"update", "render", "end", "update", "render", "end", "update",
                                                      "render", "end"}));
}

TEST_F(DeviceTest, ALogicThatReplacesItselfLivesToTheEndOfTheCall)
{
    for (const std::string entry : {"update", "event", "console"})
    {
        bool destroyed = false;
        bool aliveAfterReplacing = false;
        m_device->setGameLogic(std::make_shared<SelfReplacingLogic>(entry, destroyed, aliveAfterReplacing));
        if (entry == "update")
            m_device->run();
        else if (entry == "event")
            m_device->OnEvent(keyEvent(irr::KEY_KEY_W, true));
        else
            m_device->executeConsoleLine(L"look");
        EXPECT_TRUE(aliveAfterReplacing) << entry;
        EXPECT_TRUE(destroyed) << entry << ": released once the call returned";
        EXPECT_NE(dynamic_cast<RecordingLogic*>(m_device->getGameLogic().get()), nullptr) << entry;
    }
}

TEST_F(DeviceTest, EmptyLogicIsRefused)
{
    EXPECT_FALSE(m_device->setGameLogic(nullptr));
    EXPECT_EQ(m_device->getGameLogic(), nullptr);
}

TEST_F(DeviceTest, ResizeIsReportedOnceBeforeTheNextFrame)
{
    auto logic = std::make_shared<RecordingLogic>(3);
    logic->onUpdate = [](int update) {
        if (update == 1)
            g_device->getVideoDriver()->OnResize(irr::core::dimension2d<irr::u32>(1024, 768));
    };
    m_device->setGameLogic(logic);
    m_device->getProcessManager()->attach(std::make_shared<RecordingProcess>(logic->calls, "real"));
    m_device->getGameProcessManager()->attach(std::make_shared<RecordingProcess>(logic->calls, "game"));
    m_device->run();
    EXPECT_EQ(logic->calls,
              (std::vector<std::string>{"real", "game", "update", "render", "end", "resize", "real", "game", "update",
                                        "render", "end", "real", "game", "update", "render", "end"}));
    EXPECT_FLOAT_EQ(m_device->getAspectRatio(), 1024.0f / 768.0f);
}

TEST_F(DeviceTest, GameSpeedZeroStopsOnlyTheGameClock)
{
    auto logic = std::make_shared<RecordingLogic>(4);
    std::vector<irr::s32> gameSteps;
    irr::u32 realTime = 0;
    logic->onUpdate = [&](int) {
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        gameSteps.push_back(g_device->getGameDeltaMs());
        realTime += g_device->getFrameDeltaMs();
    };
    m_device->setGameSpeed(0.0f);
    m_device->setGameLogic(logic);
    m_device->run();
    EXPECT_EQ(gameSteps, (std::vector<irr::s32>{0, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(m_device->getGameClock()->getTotal(), 0.0);
    EXPECT_GT(realTime, 0u);
}

TEST_F(DeviceTest, GameStepStaysWithinItsRangeForAnySpeed)
{
    const irr::s32 largest = std::numeric_limits<irr::s32>::max();
    const irr::f32 infinity = std::numeric_limits<irr::f32>::infinity();
    // Each speed is set in one frame and read back as the next frame's step.
    const std::pair<irr::f32, irr::s32> cases[] = {{1e30f, largest},
                                                   {std::numeric_limits<irr::f32>::max(), largest},
                                                   {infinity, largest},
                                                   {-infinity, 0},
                                                   {std::numeric_limits<irr::f32>::quiet_NaN(), 0},
                                                   {-2.0f, 0}};
    const int frames = static_cast<int>(std::size(cases)) + 1;
    auto logic = std::make_shared<RecordingLogic>(frames);
    std::vector<irr::s32> steps;
    logic->onUpdate = [&](int update) {
        if (update > 1)
            steps.push_back(g_device->getGameDeltaMs());
        if (update < frames)
            g_device->setGameSpeed(cases[update - 1].first);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    };
    m_device->setGameLogic(logic);
    m_device->run();
    ASSERT_EQ(steps.size(), std::size(cases));
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i], cases[i].second) << "speed " << cases[i].first;
}

TEST_F(DeviceTest, KeyTableIgnoresCodesBeyondItButPassesTheEvent)
{
    auto logic = std::make_shared<RecordingLogic>(1);
    m_device->setGameLogic(logic);
    EXPECT_FALSE(m_device->OnEvent(keyEvent(irr::KEY_KEY_W, true)));
    EXPECT_TRUE(m_device->isKeyDown(irr::KEY_KEY_W));
    m_device->OnEvent(keyEvent(irr::KEY_KEY_W, false));
    EXPECT_FALSE(m_device->isKeyDown(irr::KEY_KEY_W));

    const auto rawKeysym = static_cast<irr::EKEY_CODE>(0xFF52);
    m_device->OnEvent(keyEvent(rawKeysym, true));
    EXPECT_FALSE(m_device->isKeyDown(rawKeysym));
    EXPECT_EQ(logic->events, 3);
}

TEST_F(DeviceTest, WithoutLogicEveryEventIsConsumed)
{
    EXPECT_TRUE(m_device->OnEvent(keyEvent(irr::KEY_SPACE, true)));
    EXPECT_TRUE(m_device->isKeyDown(irr::KEY_SPACE));
}

TEST_F(DeviceTest, IrrlichtWarningsAreLoggedAsErrorsAndInformationIsNot)
{
    m_device->openLog();
    irr::SEvent event;
    event.EventType = irr::EET_LOG_TEXT_EVENT;
    event.LogEvent.Level = irr::ELL_WARNING;
    event.LogEvent.Text = "texture missing";
    testing::internal::CaptureStderr();
    m_device->OnEvent(event);
    event.LogEvent.Level = irr::ELL_INFORMATION;
    event.LogEvent.Text = "just saying";
    m_device->OnEvent(event);
    testing::internal::GetCapturedStderr();
    const std::string file = testsupport::readFile(
        platform::narrow(m_device->getLogFile()->getFileName()));
    EXPECT_NE(file.find("<error> texture missing"), std::string::npos) << file;
    EXPECT_EQ(file.find("just saying"), std::string::npos);
}

TEST_F(DeviceTest, RecreatedDeviceHandsItsOwnPartsToTheConsoleAndTheShaders)
{
    Talvoren::ShaderManager* shaders = m_device->getShaderManager();
    shaders->addShader(" void main() { gl_Position = ftransform(); }",
                       " void main() { gl_FragColor = vec4(1.0); }", "glow", irr::video::EMT_SOLID, nullptr);
    shaders->setShader(m_device->getSceneManager()->addCubeSceneNode(), "glow", 0, true);

    testlevel::keepGlDriverLoaded();
    ASSERT_NE(m_device->recreateDevice(), nullptr) << "no OpenGL display (run under xvfb-run)";
    EXPECT_EQ(m_device->getConsoleFont(), m_device->getGUIEnvironment()->getBuiltInFont());
    const irr::s32 glow = shaders->getMaterialType("glow");
    ASSERT_GE(glow, 0) << "compiled again on the new driver";
    EXPECT_NE(m_device->getVideoDriver()->getMaterialRenderer(static_cast<irr::u32>(glow)), nullptr);
    EXPECT_TRUE(shaders->findEntry("glow")->nodes.empty()) << "nodes of the old scene are forgotten";
    EXPECT_EQ(m_device->getIrrlichtDevice()->getEventReceiver(), m_device.get());
}

TEST_F(DeviceTest, ScreenRectCutsTowardZero)
{
    const irr::core::rect<irr::s32> r = m_device->getScreenRect(0.25f, 0.25f, 0.75f, 0.999f);
    EXPECT_EQ(r, irr::core::rect<irr::s32>(200, 150, 600, 599));
}

TEST(DeviceWithoutDriver, AnswersSafely)
{
    Talvoren::OmbelDevice device;
    EXPECT_EQ(device.getScreenSize(), irr::core::dimension2d<irr::u32>(0, 0));
    EXPECT_FLOAT_EQ(device.getAspectRatio(), 1.0f);
    EXPECT_EQ(device.getTimeMs(), 0u);
    EXPECT_FALSE(device.isKeyDown(irr::KEY_KEY_A));
}

TEST(DeviceRandom, StaysWithinBoundsWhateverRandReturns)
{
    for (int i = 0; i < 2000; ++i)
        EXPECT_EQ(Talvoren::OmbelDevice::random(3, 3), 3);
    std::vector<int> seen(10, 0);
    for (int i = 0; i < 5000; ++i)
    {
        const irr::s32 value = Talvoren::OmbelDevice::random(0, 9);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 9);
        ++seen[static_cast<std::size_t>(value)];
    }
    for (int count : seen)
        EXPECT_GT(count, 0);
    for (int i = 0; i < 2000; ++i)
    {
        const irr::s32 value = Talvoren::OmbelDevice::random(-5, -1);
        ASSERT_GE(value, -5);
        ASSERT_LE(value, -1);
    }
}

TEST(DeviceInit, FailsWithoutLanguageFiles)
{
    testsupport::TempWorkDir dir;
    Talvoren::OmbelDevice device;
    g_device = &device;
    testing::internal::CaptureStderr();
    irr::IrrlichtDevice* irrDevice =
        device.init(irr::video::EDT_NULL, irr::core::dimension2d<irr::u32>(640, 480), 32, false, false, false, 0);
    const std::string messages = testing::internal::GetCapturedStderr();
    g_device = nullptr;
    EXPECT_EQ(irrDevice, nullptr);
    EXPECT_NE(messages.find("Could not load Languagefile at path talvoren\\lang! Please reinstall the game."),
              std::string::npos)
        << messages;
}
