#pragma once
// The game's 21 event types and their registration.

#include "code/src/events/mapevents.h"
#include "code/src/events/playerevents.h"
#include "code/src/events/scriptevents.h"
#include "code/src/events/songevents.h"
#include "code/src/events/stateevents.h"
#include "code/src/events/viewevents.h"

class IEventManager;

namespace Belgarune
{
//! Registers the 21 types in start-up's order.
void registerGameEventTypes(IEventManager& manager);
} // namespace Belgarune
