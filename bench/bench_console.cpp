// The console's per-message and per-frame costs with a full message list.

#include "talvoren/consolemessagelist.h"
#include "talvoren/log.h"

#include <benchmark/benchmark.h>

namespace
{
const irr::video::SColor kWhite(255, 255, 255, 255);

Talvoren::ConsoleMessageList fullList()
{
    Talvoren::ConsoleMessageList list;
    for (irr::u32 i = 0; i < Talvoren::ConsoleMessageList::kMaxMessages; ++i)
        list.add(L"A message of ordinary length for the console", kWhite, Talvoren::kLogInfo, i);
    return list;
}

// Every message beyond the limit drops the oldest one.
void BM_ConsoleAddMessageToFullList(benchmark::State& state)
{
    Talvoren::ConsoleMessageList list = fullList();
    const irr::core::stringw text(L"A message of ordinary length for the console");
    irr::u32 time = 0;
    for (auto _ : state)
        list.add(text, kWhite, Talvoren::kLogInfo, ++time);
    benchmark::DoNotOptimize(list.getMessages().size());
}
BENCHMARK(BM_ConsoleAddMessageToFullList);

// One frame of the open console on a tall screen.
void BM_ConsoleLayoutOpenPanel(benchmark::State& state)
{
    Talvoren::ConsoleMessageList list = fullList();
    for (auto _ : state)
        benchmark::DoNotOptimize(list.layout(5000, true, 12, 1280));
}
BENCHMARK(BM_ConsoleLayoutOpenPanel);

// One frame of the overlay over the game once every message has expired.
void BM_ConsoleLayoutExpiredOverlay(benchmark::State& state)
{
    Talvoren::ConsoleMessageList list = fullList();
    for (auto _ : state)
        benchmark::DoNotOptimize(list.layout(100000, false, 12, 1280));
}
BENCHMARK(BM_ConsoleLayoutExpiredOverlay);
} // namespace
