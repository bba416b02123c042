#include "code/src/events/gameevents.h"

#include "talvoren/ieventmanager.h"

namespace Belgarune
{
void registerGameEventTypes(IEventManager& manager)
{
    const HashedString* const types[] = {
        &ModifyMapEvent::kEventType,          &StartScriptEvent::kEventType,
        &PlaceObjectEvent::kEventType,        &CreateObjectEvent::kEventType,
        &SetGameStateEvent::kEventType,       &SetWalkableEvent::kEventType,
        &CreateVisualEffectEvent::kEventType, &SetSystemStateEvent::kEventType,
        &CreateScriptTriggerEvent::kEventType, &CreateTriggerConditionEvent::kEventType,
        &SongPlayedEvent::kEventType,         &NewGameEvent::kEventType,
        &AddItemEvent::kEventType,            &AddRespawnPointEvent::kEventType,
        &RemoveObjectEvent::kEventType,       &ShakeScreenEvent::kEventType,
        &HealEvent::kEventType,               &DieEvent::kEventType,
        &GotSongEvent::kEventType,            &ResetTriggerEvent::kEventType,
        &AddNoticeEvent::kEventType,
    };
    for (const HashedString* type : types)
        manager.registerEventType(*type);
}
} // namespace Belgarune
