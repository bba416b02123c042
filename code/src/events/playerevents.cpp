#include "code/src/events/playerevents.h"

namespace Belgarune
{
const HashedString AddItemEvent::kEventType("AddItemEvent");
const HashedString HealEvent::kEventType("HealEvent");
const HashedString DieEvent::kEventType("DieEvent");

AddItemEvent::AddItemEvent(Item key) : m_item(static_cast<irr::u32>(key))
{
}

HealEvent::HealEvent(irr::u32 amount) : m_amount(amount)
{
}

DieEvent::DieEvent(irr::u32 actorId) : m_actorId(actorId)
{
}
} // namespace Belgarune
