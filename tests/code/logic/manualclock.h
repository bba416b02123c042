#pragma once
// An actor clock the test sets by hand.

#include "code/src/logic/actorclock.h"

namespace logictest
{
struct ManualClock : Belgarune::IActorClock
{
    irr::u32 frameMs() const override { return frame; }
    irr::u32 timerMs() const override { return timer; }
    irr::f64 gameMs() const override { return game; }

    irr::u32 frame = 16;
    irr::u32 timer = 0;
    irr::f64 game = 0.0;
};
} // namespace logictest
