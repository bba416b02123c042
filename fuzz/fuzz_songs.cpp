// Random songs.txt text and random presses and releases against the song
// table, the recognizer, the musical component and the sheet player.

#include "code/src/logic/actorclock.h"
#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/songs/playermusicalcomponent.h"
#include "code/src/songs/sheetplayer.h"
#include "code/src/songs/songbook.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/inputcomponent.h"
#include "code/src/world/visualcomponent.h"
#include "scratchfile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace
{
struct FuzzClock : Belgarune::IActorClock
{
    irr::u32 frameMs() const override { return 16; }
    irr::u32 timerMs() const override { return timer; }
    irr::f64 gameMs() const override { return game; }

    irr::u32 timer = 0;
    irr::f64 game = 0.0;
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The recognizer writes a line per candidate.
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string path = fuzzing::writeScratchFile("songs.txt", input.ConsumeRandomLengthString(4096));
    g_gameBase->m_songBook = std::make_unique<Belgarune::SongBook>();
    g_gameBase->m_songBook->loadSongs(path);

    FuzzClock clock;
    Belgarune::GameActor actor(0, nullptr, std::make_unique<Belgarune::StandardPhysicsComponent>(7), nullptr, nullptr);
    actor.setPlayer(input.ConsumeBool());
    Belgarune::PlayerMusicalComponent component(input.ConsumeIntegralInRange(0, 5), 1.0f, nullptr, clock);
    Belgarune::SheetPlayer player(g_gameBase->m_songBook->getSheet(input.ConsumeIntegralInRange(-1, 20)));
    while (input.remaining_bytes() > 0)
    {
        clock.game += input.ConsumeIntegralInRange(0, 2500);
        clock.timer += input.ConsumeIntegralInRange<irr::u32>(0, 700);
        component.setTone(input.ConsumeIntegralInRange(-2, 7), input.ConsumeBool());
        if (input.ConsumeBool())
            component.update(&actor, nullptr);
        player.isNoteOn(input.ConsumeIntegralInRange(-1, 6), static_cast<irr::u32>(clock.game));
    }
    return 0;
}
