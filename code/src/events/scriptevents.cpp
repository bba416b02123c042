#include "code/src/events/scriptevents.h"

namespace Belgarune
{
const HashedString StartScriptEvent::kEventType("StartScriptEvent");
const HashedString CreateScriptTriggerEvent::kEventType("CreateScriptTriggerEvent");
const HashedString CreateTriggerConditionEvent::kEventType("CreateTriggerConditionEvent");
const HashedString ResetTriggerEvent::kEventType("ResetTriggerEvent");

StartScriptEvent::StartScriptEvent(const irr::core::stringw& path) : m_path(path)
{
}

CreateScriptTriggerEvent::CreateScriptTriggerEvent(irr::u32 triggerId, irr::u32 count,
                                                   const irr::core::stringw& script)
    : m_triggerId(triggerId), m_count(count), m_script(script)
{
}

ResetTriggerEvent::ResetTriggerEvent(irr::u32 triggerId, irr::u32 count) : m_triggerId(triggerId), m_count(count)
{
}
} // namespace Belgarune
