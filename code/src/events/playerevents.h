#pragma once
// Events about the hero: items, healing and death.

#include "talvoren/ieventdata.h"

#include <irrTypes.h>

namespace Belgarune
{
//! 1 violin key, 2 bass key, 3 alternative key.
class AddItemEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit AddItemEvent(irr::u32 item);
    const HashedString& getEventType() const override { return kEventType; }

    irr::u32 m_item;
};

class HealEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit HealEvent(irr::u32 amount);
    const HashedString& getEventType() const override { return kEventType; }

    //! Hearts.
    irr::u32 m_amount;
};

//! Actor 0: an enemy reached the player; actor 1: the dungeon's threat.
class DieEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit DieEvent(irr::u32 actorId);
    const HashedString& getEventType() const override { return kEventType; }

    irr::u32 m_actorId;
};
} // namespace Belgarune
