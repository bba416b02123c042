// The event manager and the process manager against plain loops of virtual
// calls doing the same work. The receivers are kept out of line: the compiler
// sees their one class here and would otherwise inline them into the plain
// loops, which then would make no calls at all.

#include "talvoren/eventmanager.h"
#include "talvoren/processmanager/process.h"
#include "talvoren/processmanager/processmanager.h"

#include <benchmark/benchmark.h>

#include <deque>
#include <memory>
#include <vector>

namespace
{
class BenchEvent : public BaseEventData
{
public:
    const HashedString& getEventType() const override { return kEventType; }
    static const HashedString kEventType;
};
const HashedString BenchEvent::kEventType("BenchEvent");

class CountingListener : public IEventListener
{
public:
    const char* getName() override { return "CountingListener"; }
    __attribute__((noinline)) bool handleEvent(const std::shared_ptr<IEventData>& event) override
    {
        benchmark::DoNotOptimize(event.get());
        ++calls;
        return false;
    }
    long calls = 0;
};

class CountingProcess : public Process
{
public:
    CountingProcess() : Process(0) {}
    __attribute__((noinline)) void onUpdate(std::uint32_t deltaMs) override
    {
        Process::onUpdate(deltaMs);
        elapsed += deltaMs;
    }
    std::uint64_t elapsed = 0;
};

constexpr int kListeners = 4;
constexpr int kEvents = 10000;
constexpr int kProcesses = 1000;

struct ListenerSet
{
    ListenerSet()
    {
        for (int i = 0; i < kListeners; ++i)
            listeners.push_back(std::make_shared<CountingListener>());
    }
    std::vector<std::shared_ptr<IEventListener>> listeners;
};

struct ManagerWithListeners : ListenerSet
{
    ManagerWithListeners() : manager("BenchEventManager", false)
    {
        manager.registerEventType(BenchEvent::kEventType);
        for (const auto& listener : listeners)
            manager.addListener(listener, BenchEvent::kEventType);
    }
    EventManager manager;
};

std::vector<std::shared_ptr<IEventData>> makeEvents()
{
    std::vector<std::shared_ptr<IEventData>> events;
    for (int i = 0; i < kEvents; ++i)
        events.push_back(std::make_shared<BenchEvent>());
    return events;
}

// --- Trigger of one event to four listeners -------------------------------------

void BM_TriggerToFourListeners(benchmark::State& state)
{
    ManagerWithListeners setup;
    const BenchEvent event;
    for (auto _ : state)
        benchmark::DoNotOptimize(setup.manager.trigger(event));
}
BENCHMARK(BM_TriggerToFourListeners);

void BM_PlainCallsToFourListeners(benchmark::State& state)
{
    ListenerSet setup;
    const BenchEvent event;
    const std::shared_ptr<IEventData> pointer(std::shared_ptr<IEventData>(), const_cast<BenchEvent*>(&event));
    for (auto _ : state)
    {
        bool consumed = false;
        for (const auto& listener : setup.listeners)
            consumed = listener->handleEvent(pointer) || consumed;
        benchmark::DoNotOptimize(consumed);
    }
}
BENCHMARK(BM_PlainCallsToFourListeners);

// --- Queue and dispatch of 10,000 events in one tick --------------------------------

void BM_QueueAndTick10000Events(benchmark::State& state)
{
    ManagerWithListeners setup;
    const auto events = makeEvents();
    for (auto _ : state)
    {
        for (const auto& event : events)
            setup.manager.queueEvent(event);
        benchmark::DoNotOptimize(setup.manager.tick(IEventManager::kInfinite));
    }
    state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(BM_QueueAndTick10000Events);

void BM_PlainQueueAndDispatch10000Events(benchmark::State& state)
{
    ListenerSet setup;
    const auto events = makeEvents();
    std::deque<std::shared_ptr<IEventData>> queue;
    for (auto _ : state)
    {
        for (const auto& event : events)
            queue.push_back(event);
        while (!queue.empty())
        {
            const std::shared_ptr<IEventData> event = std::move(queue.front());
            queue.pop_front();
            for (const auto& listener : setup.listeners)
                if (listener->handleEvent(event))
                    break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(BM_PlainQueueAndDispatch10000Events);

// --- 1,000 processes updated per frame ----------------------------------------------

void BM_Update1000Processes(benchmark::State& state)
{
    ProcessManager manager;
    for (int i = 0; i < kProcesses; ++i)
        manager.attach(std::make_shared<CountingProcess>());
    for (auto _ : state)
        manager.update(16);
    state.SetItemsProcessed(state.iterations() * kProcesses);
}
BENCHMARK(BM_Update1000Processes);

void BM_PlainUpdate1000Processes(benchmark::State& state)
{
    std::vector<std::shared_ptr<Process>> processes;
    for (int i = 0; i < kProcesses; ++i)
        processes.push_back(std::make_shared<CountingProcess>());
    for (auto _ : state)
        for (const auto& process : processes)
            if (!process->isDead() && process->isActive() && !process->isPaused())
                process->onUpdate(16);
    state.SetItemsProcessed(state.iterations() * kProcesses);
}
BENCHMARK(BM_PlainUpdate1000Processes);
} // namespace
