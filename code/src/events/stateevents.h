#pragma once
// Events that switch the dungeon logic's states and start a new game.

#include "talvoren/ieventdata.h"

#include <irrTypes.h>

namespace Belgarune
{
//! 0 GAMEPLAY, 1 SEQUENCE.
class SetGameStateEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit SetGameStateEvent(irr::u32 state);
    const HashedString& getEventType() const override { return kEventType; }

    irr::u32 m_state;
};

//! 0 START, 1 MENUE, 2 GAME.
class SetSystemStateEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit SetSystemStateEvent(irr::u32 state);
    const HashedString& getEventType() const override { return kEventType; }

    irr::u32 m_state;
};

class NewGameEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    const HashedString& getEventType() const override { return kEventType; }
};
} // namespace Belgarune
