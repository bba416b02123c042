#include "code/src/events/stateevents.h"

namespace Belgarune
{
const HashedString SetGameStateEvent::kEventType("SetGameStateEvent");
const HashedString SetSystemStateEvent::kEventType("SetSystemStateEvent");
const HashedString NewGameEvent::kEventType("NewGameEvent");

SetGameStateEvent::SetGameStateEvent(irr::u32 state) : m_state(state)
{
}

SetSystemStateEvent::SetSystemStateEvent(irr::u32 state) : m_state(state)
{
}
} // namespace Belgarune
