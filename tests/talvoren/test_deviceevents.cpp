// The device's event manager and process managers on the null driver.

#include "talvoren/consolelogic.h"
#include "talvoren/eventmanager.h"
#include "talvoren/events/addtoloadqueueevent.h"
#include "talvoren/events/engineeventtypes.h"
#include "talvoren/events/nexttextevent.h"
#include "talvoren/gamelogic.h"
#include "talvoren/processmanager/process.h"
#include "talvoren/processmanager/processmanager.h"
#include "tests/support/nulldevice.h"
#include "tests/talvoren/eventtesthelpers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

using eventtest::AlphaEvent;
using eventtest::Journal;

namespace
{
//! Runs `step` with its time step on every update.
class StepProcess : public Process
{
public:
    explicit StepProcess(std::function<void(std::uint32_t)> step) : Process(0), m_step(std::move(step)) {}
    void onUpdate(std::uint32_t deltaMs) override
    {
        Process::onUpdate(deltaMs);
        m_step(deltaMs);
    }

private:
    std::function<void(std::uint32_t)> m_step;
};

//! Journals its updates and quits the device after three frames.
class ThreeFrameLogic : public Talvoren::GameLogic
{
public:
    explicit ThreeFrameLogic(Journal& journal) : m_journal(journal) {}
    const char* getName() override { return "ThreeFrameLogic"; }
    bool handleEvent(const std::shared_ptr<IEventData>&) override { return false; }
    void update() override
    {
        m_journal.push_back("update");
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    void render() override {}
    void onFrameEnd() override
    {
        if (++m_frames == 3)
            g_device->quit();
    }

private:
    Journal& m_journal;
    int m_frames = 0;
};

class DeviceEventsTest : public testsupport::NullDeviceTest
{
protected:
    EventManager& events() { return *m_device->getEventManager(); }
};

TEST_F(DeviceEventsTest, TheDevicesManagerIsTheGlobalOneAndKnowsTheEngineTypes)
{
    EXPECT_EQ(IEventManager::get(), m_device->getEventManager().get());
    EXPECT_NE(m_device->getProcessManager(), m_device->getGameProcessManager());

    EXPECT_TRUE(events().validateType(EngineEventTypes::kShowEffectEvent));
    EXPECT_TRUE(events().validateType(EngineEventTypes::kLoadResourcesEvent));
    EXPECT_TRUE(events().validateType(AddToLoadQueueEvent::kEventType));
    EXPECT_FALSE(events().queueEvent(std::make_shared<AddToLoadQueueEvent>(L"x.png")))
        << "registered, but nobody listens";

    Journal journal;
    events().registerEventType(eventtest::kWildcard);
    events().addListener(std::make_shared<eventtest::JournalListener>("all", journal), eventtest::kWildcard);
    EXPECT_FALSE(events().trigger(NextTextEvent()));
    EXPECT_FALSE(events().queueEvent(std::make_shared<NextTextEvent>()));
    for (const HashedString* type :
         {&NextTextEvent::kEventType, &EngineEventTypes::kShowNovelCharacterEvent,
          &EngineEventTypes::kClearNovelDataEvent, &EngineEventTypes::kChangeCharacterFrameEvent})
        EXPECT_FALSE(events().validateType(*type)) << type->getName();
    EXPECT_TRUE(journal.empty()) << "the novel types are never registered";
}

TEST_F(DeviceEventsTest, EachFrameRunsProcessesThenQueuedEventsThenTheLogic)
{
    Journal journal;
    events().registerEventType(AlphaEvent::kEventType);
    auto listener = std::make_shared<eventtest::JournalListener>("listener", journal);
    events().addListener(listener, AlphaEvent::kEventType);

    std::vector<std::uint32_t> gameSteps;
    m_device->getProcessManager()->attach(std::make_shared<StepProcess>([&](std::uint32_t) {
        journal.push_back("process");
        events().queueEvent(std::make_shared<AlphaEvent>(1));
    }));
    m_device->getGameProcessManager()->attach(
        std::make_shared<StepProcess>([&](std::uint32_t deltaMs) { gameSteps.push_back(deltaMs); }));
    m_device->setGameSpeed(0.0f);
    m_device->setGameLogic(std::make_shared<ThreeFrameLogic>(journal));
    m_device->run();

    const Journal frame{"process", "listener:AlphaEvent:1", "update"};
    Journal expected;
    for (int i = 0; i < 3; ++i)
        expected.insert(expected.end(), frame.begin(), frame.end());
    EXPECT_EQ(journal, expected);
    EXPECT_EQ(gameSteps, (std::vector<std::uint32_t>{0, 0, 0})) << "the game clock stands still";
}

TEST_F(DeviceEventsTest, RecordingShowsTheCountAsADebugVariable)
{
    events().registerEventType(AlphaEvent::kEventType);
    Journal journal;
    events().addListener(std::make_shared<eventtest::JournalListener>("l", journal), AlphaEvent::kEventType);
    events().setLogEvents(true);
    for (int i = 0; i < 3; ++i)
        events().queueEvent(std::make_shared<AlphaEvent>(i));

    const auto& variables = m_device->getConsole()->getDebugVariables();
    ASSERT_EQ(variables.size(), 1u);
    EXPECT_EQ(variables[0].id, 1u);
    EXPECT_EQ(variables[0].name, irr::core::stringw(L"Logged Events"));
    EXPECT_EQ(variables[0].value, irr::core::stringw(L"3.000000"));
}

TEST(DeviceLifetime, TheEventManagerLeavesWithTheDevice)
{
    {
        Talvoren::OmbelDevice device;
        EXPECT_EQ(IEventManager::get(), device.getEventManager().get());
    }
    EXPECT_EQ(IEventManager::get(), nullptr);
}
} // namespace
