#pragma once
// The times the actors' components read: the real frame time, the device's
// timer and the game clock.

#include <irrTypes.h>

namespace Belgarune
{
class IActorClock
{
public:
    virtual ~IActorClock() = default;
    //! The real frame time in whole milliseconds.
    virtual irr::u32 frameMs() const = 0;
    //! The device's timer in milliseconds.
    virtual irr::u32 timerMs() const = 0;
    //! The game clock's total time in milliseconds (stands still in the menu).
    virtual irr::f64 gameMs() const = 0;
};

//! The global device's times; all 0 while there is no device.
const IActorClock& deviceActorClock();
} // namespace Belgarune
