#pragma once
// Events that switch the dungeon logic's states and start a new game.

#include "code/src/world/gamestates.h"
#include "talvoren/ieventdata.h"

#include <irrTypes.h>

namespace Belgarune
{
//! 0 GAMEPLAY, 1 SEQUENCE.
class SetGameStateEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit SetGameStateEvent(GameState state);
    const HashedString& getEventType() const override { return kEventType; }

    GameState state() const { return static_cast<GameState>(m_state); }

    irr::u32 m_state;
};

//! 0 START, 1 MENUE, 2 GAME.
class SetSystemStateEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit SetSystemStateEvent(SystemState state);
    const HashedString& getEventType() const override { return kEventType; }

    SystemState state() const { return static_cast<SystemState>(m_state); }

    irr::u32 m_state;
};

class NewGameEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    const HashedString& getEventType() const override { return kEventType; }
};
} // namespace Belgarune
