#pragma once
// The items the hero can hold: the instrument and the three keys.

#include <irrTypes.h>

#include <cstddef>
#include <optional>

namespace Belgarune
{
//! The number is the item's slot in GameBase::m_hasItem and, for the keys,
//! the item number of AddItemEvent.
enum class Item : irr::u32
{
    Instrument = 0,
    ViolinKey = 1,
    BassKey = 2,
    AltoKey = 3,
};

constexpr std::size_t itemSlot(Item item)
{
    return static_cast<std::size_t>(item);
}

//! The key of a number 1..3; none for any other number.
std::optional<Item> toKey(irr::u32 number);
} // namespace Belgarune
