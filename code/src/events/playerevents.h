#pragma once
// Events about the hero: items, healing and death.

#include "code/src/world/item.h"
#include "talvoren/ieventdata.h"

#include <irrTypes.h>

#include <optional>

namespace Belgarune
{
//! 1 violin key, 2 bass key, 3 alternative key.
class AddItemEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit AddItemEvent(Item key);
    const HashedString& getEventType() const override { return kEventType; }

    //! None for a number other than 1..3.
    std::optional<Item> key() const { return toKey(m_item); }

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
