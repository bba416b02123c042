#include "code/src/events/stateevents.h"

namespace Belgarune
{
const HashedString SetGameStateEvent::kEventType("SetGameStateEvent");
const HashedString SetSystemStateEvent::kEventType("SetSystemStateEvent");
const HashedString NewGameEvent::kEventType("NewGameEvent");

SetGameStateEvent::SetGameStateEvent(GameState state) : m_state(static_cast<irr::u32>(state))
{
}

SetSystemStateEvent::SetSystemStateEvent(SystemState state) : m_state(static_cast<irr::u32>(state))
{
}
} // namespace Belgarune
