#include "tests/talvoren/eventtesthelpers.h"

#include <gtest/gtest.h>

using eventtest::AlphaEvent;
using eventtest::BetaEvent;
using eventtest::Journal;
using eventtest::JournalListener;
using eventtest::kWildcard;

namespace
{
class EventManagerTest : public testing::Test, protected eventtest::ManagerWithClock
{
};

// --- Types and validation -------------------------------------------------

TEST_F(EventManagerTest, OnlyRegisteredTypesAreValid)
{
    EXPECT_TRUE(manager.validateType(AlphaEvent::kEventType));
    EXPECT_TRUE(manager.validateType(HashedString("ALPHAEVENT"))) << "types compare by hash";
    EXPECT_FALSE(manager.validateType(HashedString("NeverRegistered")));
    EXPECT_FALSE(manager.validateType(HashedString("")));
    EXPECT_FALSE(manager.validateType(kWildcard)) << "the wildcard passes only once registered";
    manager.registerEventType(kWildcard);
    EXPECT_TRUE(manager.validateType(kWildcard));
}

TEST_F(EventManagerTest, RegisteringTwiceKeepsOneType)
{
    manager.registerEventType(HashedString("alphaevent"));
    EXPECT_TRUE(manager.validateType(AlphaEvent::kEventType));
    listen("a", AlphaEvent::kEventType);
    EXPECT_FALSE(manager.trigger(AlphaEvent(1)));
    EXPECT_EQ(journal, (Journal{"a:AlphaEvent:1"}));
}

TEST_F(EventManagerTest, UnregisteredTypesReachNobody)
{
    static constexpr char kName[] = "UnknownEvent";
    using UnknownEvent = eventtest::NamedEvent<kName>;
    auto listener = std::make_shared<JournalListener>("x", journal);
    EXPECT_FALSE(manager.addListener(listener, UnknownEvent::kEventType));
    manager.registerEventType(kWildcard);
    manager.addListener(listener, kWildcard);
    EXPECT_FALSE(manager.trigger(UnknownEvent()));
    EXPECT_FALSE(manager.queueEvent(std::make_shared<UnknownEvent>()));
    EXPECT_FALSE(manager.queueEvent(nullptr));
    manager.tick(EventManager::kInfinite);
    EXPECT_TRUE(journal.empty());
}

// --- Listeners ------------------------------------------------------------

TEST_F(EventManagerTest, AListenerIsListedOncePerType)
{
    auto listener = std::make_shared<JournalListener>("a", journal);
    EXPECT_TRUE(manager.addListener(listener, AlphaEvent::kEventType));
    EXPECT_FALSE(manager.addListener(listener, AlphaEvent::kEventType));
    EXPECT_FALSE(manager.addListener(nullptr, AlphaEvent::kEventType));
    manager.trigger(AlphaEvent(1));
    EXPECT_EQ(journal, (Journal{"a:AlphaEvent:1"}));
}

TEST_F(EventManagerTest, RemovingTakesTheListenerOffEveryType)
{
    auto listener = listen("a", AlphaEvent::kEventType);
    manager.addListener(listener, BetaEvent::kEventType);
    auto other = listen("o", BetaEvent::kEventType);

    EXPECT_FALSE(manager.removeListener(listener, HashedString("NeverRegistered")));
    EXPECT_TRUE(manager.removeListener(listener, BetaEvent::kEventType));
    EXPECT_FALSE(manager.removeListener(listener, BetaEvent::kEventType)) << "nothing left to remove";
    manager.trigger(AlphaEvent(1));
    manager.trigger(BetaEvent(2));
    EXPECT_EQ(journal, (Journal{"o:BetaEvent:2"}));
}

// --- Trigger ---------------------------------------------------------------

TEST_F(EventManagerTest, TriggerCallsWildcardFirstThenEveryListenerOfTheType)
{
    manager.registerEventType(kWildcard);
    listen("first", AlphaEvent::kEventType, true);
    listen("second", AlphaEvent::kEventType, true);
    listen("all", kWildcard, true);

    EXPECT_TRUE(manager.trigger(AlphaEvent(5)));
    EXPECT_EQ(journal, (Journal{"all:AlphaEvent:5", "first:AlphaEvent:5", "second:AlphaEvent:5"}));

    journal.clear();
    EXPECT_FALSE(manager.trigger(BetaEvent(6))) << "wildcard results are ignored";
    EXPECT_EQ(journal, (Journal{"all:BetaEvent:6"}));
}

TEST_F(EventManagerTest, TriggerReportsConsumptionByAnyListener)
{
    listen("keeps", AlphaEvent::kEventType, false);
    EXPECT_FALSE(manager.trigger(AlphaEvent()));
    listen("takes", AlphaEvent::kEventType, true);
    EXPECT_TRUE(manager.trigger(AlphaEvent()));
}

TEST_F(EventManagerTest, TriggeredStackEventIsHandedOutWithoutOwnership)
{
    std::shared_ptr<IEventData> kept;
    auto listener = listen("a", AlphaEvent::kEventType);
    listener->action = [&kept](const std::shared_ptr<IEventData>& event) { kept = event; };
    {
        AlphaEvent onStack(3);
        manager.trigger(onStack);
        EXPECT_EQ(kept.get(), &onStack);
        EXPECT_EQ(kept.use_count(), 0) << "the listener's pointer must not delete the sender's object";
    }
    kept.reset(); // Would free a stack object if it owned it.
}

TEST_F(EventManagerTest, ListenersChangedDuringTriggerTakeEffectFromTheNextDispatch)
{
    auto first = listen("first", AlphaEvent::kEventType);
    auto second = listen("second", AlphaEvent::kEventType);
    auto late = std::make_shared<JournalListener>("late", journal);
    first->action = [&](const std::shared_ptr<IEventData>&) {
        manager.removeListener(second, AlphaEvent::kEventType);
        manager.addListener(late, AlphaEvent::kEventType);
    };

    manager.trigger(AlphaEvent(1));
    EXPECT_EQ(journal, (Journal{"first:AlphaEvent:1"}));
    first->action = nullptr;
    manager.trigger(AlphaEvent(2));
    EXPECT_EQ(journal, (Journal{"first:AlphaEvent:1", "first:AlphaEvent:2", "late:AlphaEvent:2"}));
}

TEST_F(EventManagerTest, AFirstListenerAddedByTheWildcardIsReachedInTheSameDispatch)
{
    // The type's listeners are looked up after the wildcard listeners have run.
    manager.registerEventType(kWildcard);
    auto all = listen("all", kWildcard);
    auto late = std::make_shared<JournalListener>("late", journal, true);
    all->action = [&](const std::shared_ptr<IEventData>& event) {
        manager.addListener(late, event->getEventType());
    };
    EXPECT_TRUE(manager.trigger(BetaEvent(1)));
    manager.queueEvent(std::make_shared<AlphaEvent>(2));
    manager.tick(EventManager::kInfinite);
    EXPECT_EQ(journal, (Journal{"all:BetaEvent:1", "late:BetaEvent:1", "all:AlphaEvent:2", "late:AlphaEvent:2"}));
}

TEST_F(EventManagerTest, AListenerMayRemoveItselfWhileBeingCalled)
{
    auto self = listen("self", AlphaEvent::kEventType);
    auto next = listen("next", AlphaEvent::kEventType);
    std::weak_ptr<JournalListener> watch = self;
    self->action = [&](const std::shared_ptr<IEventData>&) {
        manager.removeListener(watch.lock(), AlphaEvent::kEventType);
        self.reset(); // The manager's reference is now the last one.
        EXPECT_FALSE(watch.expired()) << "kept alive for the rest of its call";
    };
    manager.trigger(AlphaEvent(1));
    EXPECT_TRUE(watch.expired()) << "released once the walk is over";
    EXPECT_EQ(journal, (Journal{"self:AlphaEvent:1", "next:AlphaEvent:1"}));
}

TEST_F(EventManagerTest, NestedTriggerRunsAtOnce)
{
    auto outer = listen("outer", AlphaEvent::kEventType);
    listen("inner", BetaEvent::kEventType);
    outer->action = [&](const std::shared_ptr<IEventData>&) { manager.trigger(BetaEvent(9)); };
    listen("after", AlphaEvent::kEventType);
    manager.trigger(AlphaEvent(1));
    EXPECT_EQ(journal, (Journal{"outer:AlphaEvent:1", "inner:BetaEvent:9", "after:AlphaEvent:1"}));
}

// --- Queue and tick ----------------------------------------------------------

TEST_F(EventManagerTest, QueuedEventStopsAtTheFirstConsumingListener)
{
    listen("takes", AlphaEvent::kEventType, true);
    listen("skipped", AlphaEvent::kEventType, true);
    EXPECT_TRUE(manager.queueEvent(std::make_shared<AlphaEvent>(1)));
    EXPECT_TRUE(journal.empty()) << "queued events wait for the tick";
    EXPECT_TRUE(manager.tick(EventManager::kInfinite));
    EXPECT_EQ(journal, (Journal{"takes:AlphaEvent:1"}));
}

TEST_F(EventManagerTest, TypesWithoutAnyListenerAreNotQueued)
{
    EXPECT_FALSE(manager.queueEvent(std::make_shared<AlphaEvent>()));
    auto listener = listen("a", AlphaEvent::kEventType);
    manager.removeListener(listener, AlphaEvent::kEventType);
    EXPECT_TRUE(manager.queueEvent(std::make_shared<AlphaEvent>())) << "an emptied list still counts";

    manager.registerEventType(kWildcard);
    listen("all", kWildcard);
    EXPECT_TRUE(manager.queueEvent(std::make_shared<BetaEvent>(2))) << "a wildcard listener takes every type";
    manager.tick(EventManager::kInfinite);
    EXPECT_EQ(journal, (Journal{"all:AlphaEvent:0", "all:BetaEvent:2"}));
}

TEST_F(EventManagerTest, EventsQueuedDuringDispatchWaitForTheNextTick)
{
    auto alpha = listen("a", AlphaEvent::kEventType);
    listen("b", BetaEvent::kEventType);
    alpha->action = [&](const std::shared_ptr<IEventData>&) { manager.queueEvent(std::make_shared<BetaEvent>(2)); };

    manager.queueEvent(std::make_shared<AlphaEvent>(1));
    EXPECT_TRUE(manager.tick(EventManager::kInfinite));
    EXPECT_EQ(journal, (Journal{"a:AlphaEvent:1"}));
    manager.tick(EventManager::kInfinite);
    EXPECT_EQ(journal, (Journal{"a:AlphaEvent:1", "b:BetaEvent:2"}));
}

TEST_F(EventManagerTest, NestedTickKeepsTheOuterTicksPendingEvents)
{
    auto alpha = listen("a", AlphaEvent::kEventType);
    listen("b", BetaEvent::kEventType);
    alpha->action = [&](const std::shared_ptr<IEventData>& event) {
        if (static_cast<const AlphaEvent&>(*event).tag != 1)
            return;
        manager.queueEvent(std::make_shared<BetaEvent>(5));
        manager.tick(EventManager::kInfinite);
        manager.queueEvent(std::make_shared<BetaEvent>(6));
    };
    for (int tag = 1; tag <= 3; ++tag)
        manager.queueEvent(std::make_shared<AlphaEvent>(tag));

    EXPECT_TRUE(manager.tick(EventManager::kInfinite));
    EXPECT_EQ(journal, (Journal{"a:AlphaEvent:1", "b:BetaEvent:5", "a:AlphaEvent:2", "a:AlphaEvent:3"}));
    manager.tick(EventManager::kInfinite);
    EXPECT_EQ(journal.back(), "b:BetaEvent:6");
    EXPECT_EQ(journal.size(), 5u);
}

TEST_F(EventManagerTest, FollowUpIsQueuedBeforeWhatTheListenersQueue)
{
    auto alpha = listen("a", AlphaEvent::kEventType);
    listen("b", BetaEvent::kEventType);
    alpha->action = [&](const std::shared_ptr<IEventData>& event) {
        if (static_cast<const AlphaEvent&>(*event).tag == 1)
            manager.queueEvent(std::make_shared<BetaEvent>(3));
    };
    auto first = std::make_shared<AlphaEvent>(1);
    first->m_followUpEvent = std::make_shared<BetaEvent>(2);
    manager.queueEvent(first);

    manager.tick(EventManager::kInfinite);
    EXPECT_EQ(journal, (Journal{"a:AlphaEvent:1"}));
    manager.tick(EventManager::kInfinite);
    EXPECT_EQ(journal, (Journal{"a:AlphaEvent:1", "b:BetaEvent:2", "b:BetaEvent:3"}));
}

TEST_F(EventManagerTest, TimeLimitCarriesTheRestOverAheadOfNewEvents)
{
    auto alpha = listen("a", AlphaEvent::kEventType);
    listen("b", BetaEvent::kEventType);
    alpha->action = [&](const std::shared_ptr<IEventData>&) { manager.queueEvent(std::make_shared<BetaEvent>(9)); };
    for (int tag = 1; tag <= 3; ++tag)
        manager.queueEvent(std::make_shared<AlphaEvent>(tag));

    EXPECT_FALSE(manager.tick(0));
    EXPECT_EQ(journal, (Journal{"a:AlphaEvent:1"}));
    journal.clear();
    EXPECT_TRUE(manager.tick(EventManager::kInfinite));
    EXPECT_EQ(journal, (Journal{"a:AlphaEvent:2", "a:AlphaEvent:3", "b:BetaEvent:9"}));
}

TEST_F(EventManagerTest, TimeLimitIsCheckedAgainstTheClockAfterEachListenedEvent)
{
    auto alpha = listen("a", AlphaEvent::kEventType);
    alpha->action = [&](const std::shared_ptr<IEventData>&) { now += 4; };
    for (int tag = 1; tag <= 5; ++tag)
        manager.queueEvent(std::make_shared<AlphaEvent>(tag));
    EXPECT_FALSE(manager.tick(10)) << "stops once 10 ms have passed";
    EXPECT_EQ(journal.size(), 3u);
}

TEST_F(EventManagerTest, EventsWithoutTypeListenersSkipTheTimeCheck)
{
    manager.registerEventType(kWildcard);
    listen("all", kWildcard);
    listen("a", AlphaEvent::kEventType);
    manager.queueEvent(std::make_shared<BetaEvent>(1));
    manager.queueEvent(std::make_shared<BetaEvent>(2));
    manager.queueEvent(std::make_shared<AlphaEvent>(3));
    manager.queueEvent(std::make_shared<AlphaEvent>(4));
    EXPECT_FALSE(manager.tick(0));
    EXPECT_EQ(journal, (Journal{"all:BetaEvent:1", "all:BetaEvent:2", "all:AlphaEvent:3", "a:AlphaEvent:3"}));
}

TEST_F(EventManagerTest, ListenersChangedDuringTickTakeEffectFromTheNextDispatch)
{
    auto first = listen("first", AlphaEvent::kEventType);
    auto second = listen("second", AlphaEvent::kEventType);
    first->action = [&](const std::shared_ptr<IEventData>&) {
        manager.removeListener(first, AlphaEvent::kEventType);
        manager.removeListener(second, AlphaEvent::kEventType);
        manager.addListener(second, AlphaEvent::kEventType);
    };
    manager.queueEvent(std::make_shared<AlphaEvent>(1));
    manager.queueEvent(std::make_shared<AlphaEvent>(2));
    manager.tick(EventManager::kInfinite);
    EXPECT_EQ(journal, (Journal{"first:AlphaEvent:1", "second:AlphaEvent:2"}));
}

TEST_F(EventManagerTest, AbortEventDoesNothing)
{
    listen("a", AlphaEvent::kEventType);
    manager.queueEvent(std::make_shared<AlphaEvent>(1));
    EXPECT_TRUE(manager.abortEvent(AlphaEvent::kEventType, true));
    manager.tick(EventManager::kInfinite);
    EXPECT_EQ(journal.size(), 1u);
}

// --- The global event manager ------------------------------------------------

TEST(GlobalEventManager, IsSetByTheFlagAndClearedByTheDestructor)
{
    ASSERT_EQ(IEventManager::get(), nullptr);
    EXPECT_FALSE(globalTrigger(AlphaEvent()));
    EXPECT_FALSE(globalValidateType(AlphaEvent::kEventType));
    {
        EventManager notGlobal("Other", false);
        EXPECT_EQ(IEventManager::get(), nullptr);
        EventManager global("EventManager", true);
        EXPECT_EQ(IEventManager::get(), &global);

        Journal journal;
        auto listener = std::make_shared<JournalListener>("g", journal, true);
        global.registerEventType(AlphaEvent::kEventType);
        EXPECT_TRUE(globalValidateType(AlphaEvent::kEventType));
        EXPECT_TRUE(globalAddListener(listener, AlphaEvent::kEventType));
        EXPECT_TRUE(globalTrigger(AlphaEvent(1)));
        EXPECT_TRUE(globalQueueEvent(std::make_shared<AlphaEvent>(2)));
        EXPECT_TRUE(globalTick(IEventManager::kInfinite));
        EXPECT_TRUE(globalAbortEvent(AlphaEvent::kEventType, false));
        EXPECT_TRUE(globalRemoveListener(listener, AlphaEvent::kEventType));
        EXPECT_EQ(journal, (Journal{"g:AlphaEvent:1", "g:AlphaEvent:2"}));
    }
    EXPECT_EQ(IEventManager::get(), nullptr);
    EXPECT_FALSE(globalTick(IEventManager::kInfinite));
}
} // namespace
