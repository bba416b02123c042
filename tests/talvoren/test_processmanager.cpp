#include "talvoren/eventmanager.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/processmanager/calleventprocess.h"
#include "talvoren/processmanager/mergeprocess.h"
#include "talvoren/processmanager/process.h"
#include "talvoren/processmanager/processcontainer.h"
#include "talvoren/processmanager/processmanager.h"
#include "talvoren/processmanager/waitprocess.h"
#include "tests/talvoren/eventtesthelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using eventtest::AlphaEvent;
using eventtest::Journal;

namespace
{
//! Writes "<name>:init" and "<name>:<delta>" into a journal; dies after `lifetime` updates.
class JournalProcess : public Process
{
public:
    JournalProcess(std::string name, Journal& journal, int lifetime = 1000, std::int32_t type = 0)
        : Process(type), m_name(std::move(name)), m_journal(journal), m_lifetime(lifetime)
    {
    }
    void onInitialize() override { m_journal.push_back(m_name + ":init"); }
    void onUpdate(std::uint32_t deltaMs) override
    {
        Process::onUpdate(deltaMs);
        m_journal.push_back(m_name + ":" + std::to_string(deltaMs));
        if (action)
            action();
        if (--m_lifetime == 0)
            kill();
    }

    std::function<void()> action;

private:
    std::string m_name;
    Journal& m_journal;
    int m_lifetime;
};

class ProcessManagerTest : public testing::Test
{
protected:
    std::shared_ptr<JournalProcess> make(const std::string& name, int lifetime = 1000, std::int32_t type = 0)
    {
        return std::make_shared<JournalProcess>(name, journal, lifetime, type);
    }

    ProcessManager manager;
    Journal journal;
};

// --- Chains ------------------------------------------------------------------

TEST_F(ProcessManagerTest, SuccessorStartsInTheUpdateThatRemovesItsPredecessor)
{
    auto first = make("A", 1);
    first->setNext(make("B"));
    manager.attach(first);

    manager.update(16);
    EXPECT_EQ(journal, (Journal{"A:init", "A:16"}));
    EXPECT_TRUE(first->isDead());
    journal.clear();
    manager.update(17);
    EXPECT_EQ(journal, (Journal{"B:init", "B:17"}));
    EXPECT_EQ(first->getNext(), nullptr) << "the successor is handed over";
    journal.clear();
    manager.update(18);
    EXPECT_EQ(journal, (Journal{"B:18"}));
}

TEST_F(ProcessManagerTest, APausedProcessIsSkippedButStillReplacedWhenDead)
{
    auto paused = make("P");
    paused->setNext(make("N"));
    manager.attach(paused);
    paused->togglePause();
    manager.update(10);
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(paused->isPaused());

    paused->kill();
    manager.update(10);
    EXPECT_EQ(journal, (Journal{"N:init", "N:10"}));
    EXPECT_TRUE(manager.hasProcesses());
}

TEST_F(ProcessManagerTest, HasProcessCountsLiveOnesAndDeadOnesWithASuccessor)
{
    auto lonely = make("L", 1000, 7);
    manager.attach(lonely);
    EXPECT_TRUE(manager.hasProcess(7));
    EXPECT_FALSE(manager.hasProcess(8));
    lonely->kill();
    EXPECT_FALSE(manager.hasProcess(7)) << "dead without successor";
    lonely->setNext(make("S"));
    EXPECT_TRUE(manager.hasProcess(7)) << "dead with successor";
    manager.update(1);
    EXPECT_FALSE(manager.hasProcess(7));
}

TEST_F(ProcessManagerTest, EmptiesOnceEveryProcessHasDied)
{
    EXPECT_FALSE(manager.hasProcesses());
    manager.attach(make("A", 1));
    manager.attach(nullptr);
    manager.update(1);
    EXPECT_TRUE(manager.hasProcesses()) << "removed at the next update";
    manager.update(1);
    EXPECT_FALSE(manager.hasProcesses());
}

// --- Changes during the walk ----------------------------------------------------------

TEST_F(ProcessManagerTest, ProcessesAttachedDuringTheWalkRunInTheSameWalk)
{
    auto spawner = make("S", 1);
    spawner->action = [this] { manager.attach(make("C")); };
    manager.attach(spawner);
    manager.update(5);
    EXPECT_EQ(journal, (Journal{"S:init", "S:5", "C:init", "C:5"}));
}

TEST_F(ProcessManagerTest, DetachDuringTheWalkSkipsTheDetachedProcess)
{
    auto victim = make("V");
    auto detacher = make("D");
    std::weak_ptr<JournalProcess> watch = detacher;
    detacher->action = [&] {
        manager.detach(victim);
        manager.detach(watch.lock());
    };
    manager.attach(detacher);
    manager.attach(victim);
    manager.attach(victim);
    detacher.reset();

    manager.update(3);
    EXPECT_EQ(journal, (Journal{"D:init", "D:3"}));
    EXPECT_TRUE(watch.expired()) << "released once the walk is over";
    EXPECT_FALSE(manager.hasProcesses());
}

TEST_F(ProcessManagerTest, AProcessAttachedTwiceRunsTwiceAndHandsOverOnce)
{
    auto twice = make("T", 2);
    twice->setNext(make("N"));
    manager.attach(twice);
    manager.attach(twice);
    manager.update(4);
    EXPECT_EQ(journal, (Journal{"T:init", "T:4", "T:4"}));
    EXPECT_TRUE(twice->isDead());

    journal.clear();
    manager.update(4);
    EXPECT_EQ(journal, (Journal{"N:init", "N:4"})) << "both entries go, the successor runs once";
    manager.detach(twice);
    journal.clear();
    manager.update(4);
    EXPECT_EQ(journal, (Journal{"N:4"}));
}

TEST_F(ProcessManagerTest, DetachingRemovesEveryEntry)
{
    auto twice = make("T");
    manager.attach(twice);
    manager.attach(twice);
    manager.detach(twice);
    EXPECT_FALSE(manager.hasProcesses());
}

// --- Wait ------------------------------------------------------------------------------

TEST(WaitProcess, DiesAtTheUpdateThatReachesItsDuration)
{
    ProcessManager manager;
    auto wait = std::make_shared<WaitProcess>(100, 1);
    manager.attach(wait);
    manager.update(40);
    manager.update(40);
    EXPECT_FALSE(wait->isDead());
    manager.update(40);
    EXPECT_TRUE(wait->isDead());

    auto instant = std::make_shared<WaitProcess>(0, 1);
    manager.attach(instant);
    manager.update(0);
    EXPECT_TRUE(instant->isDead());
}

// --- Processes that use the device ------------------------------------------------------

class DeviceProcessTest : public ProcessManagerTest
{
protected:
    DeviceProcessTest() { g_device = &m_device; }
    ~DeviceProcessTest() override { g_device = nullptr; }

    ProcessManager& realTime() { return *m_device.getProcessManager(); }

    Talvoren::OmbelDevice m_device;
};

TEST_F(DeviceProcessTest, MergeWithoutProcessesDiesAtOnce)
{
    auto merge = std::make_shared<MergeProcess>(true, 0);
    merge->addProcess(nullptr);
    realTime().attach(merge);
    realTime().update(1);
    EXPECT_TRUE(merge->isDead());
}

TEST_F(DeviceProcessTest, MergeWaitsForItsProcessesBeforeItsSuccessor)
{
    auto merge = std::make_shared<MergeProcess>(true, 0);
    merge->addProcess(make("A", 1));
    merge->addProcess(make("B", 2));
    merge->setNext(make("N"));
    realTime().attach(merge);

    realTime().update(1);
    EXPECT_EQ(journal, (Journal{"A:init", "A:1", "B:init", "B:1"})) << "merged processes join the same walk";
    realTime().update(1);
    EXPECT_FALSE(merge->isDead());
    realTime().update(1);
    EXPECT_TRUE(merge->isDead());
    journal.clear();
    realTime().update(1);
    EXPECT_EQ(journal, (Journal{"N:init", "N:1"}));
}

TEST_F(DeviceProcessTest, MergeWithoutWaitStartsTheSuccessorAlongside)
{
    auto merge = std::make_shared<MergeProcess>(false, 0);
    merge->addProcess(make("A", 1));
    merge->setNext(make("N", 5));
    realTime().attach(merge);

    realTime().update(2);
    EXPECT_EQ(journal, (Journal{"A:init", "A:2", "N:init", "N:2"}));
    EXPECT_EQ(merge->getNext(), nullptr);
    realTime().update(2);
    EXPECT_TRUE(merge->isDead());
    journal.clear();
    realTime().update(2);
    EXPECT_EQ(journal, (Journal{"N:2"})) << "nothing follows the merge itself";
}

TEST_F(DeviceProcessTest, CallEventTriggersThroughTheDeviceAfterItsDelay)
{
    EventManager& events = *m_device.getEventManager();
    events.registerEventType(AlphaEvent::kEventType);
    events.addListener(std::make_shared<eventtest::JournalListener>("l", journal), AlphaEvent::kEventType);

    auto call = std::make_shared<CallEventProcess>(std::make_shared<AlphaEvent>(4), 100, 0);
    realTime().attach(call);
    realTime().update(60);
    EXPECT_TRUE(journal.empty());
    realTime().update(60);
    EXPECT_EQ(journal, (Journal{"l:AlphaEvent:4"})) << "triggered, not queued";
    EXPECT_TRUE(call->isDead());

    CallEventProcess empty(nullptr, 0, 0);
    EXPECT_TRUE(empty.isDead());
}

TEST_F(DeviceProcessTest, ContainerStartsChainsInChannelOrder)
{
    EventManager& events = *m_device.getEventManager();
    events.registerEventType(AlphaEvent::kEventType);
    events.addListener(std::make_shared<eventtest::JournalListener>("l", journal), AlphaEvent::kEventType);

    ProcessContainer container;
    container.attach(make("B1", 1), 2);
    container.attach(make("A1", 1), 1);
    container.attach(nullptr, 1);
    container.callEvent(std::make_shared<AlphaEvent>(7), 1);
    container.attach(make("B2", 1), 2);
    container.startChannels(&realTime());

    realTime().update(1);
    EXPECT_EQ(journal, (Journal{"A1:init", "A1:1", "B1:init", "B1:1"}));
    journal.clear();
    realTime().update(1);
    EXPECT_EQ(journal, (Journal{"l:AlphaEvent:7", "B2:init", "B2:1"}));

    journal.clear();
    container.startChannels(&realTime());
    realTime().update(1);
    realTime().update(1);
    EXPECT_TRUE(journal.empty()) << "started channels are forgotten";
}
} // namespace
