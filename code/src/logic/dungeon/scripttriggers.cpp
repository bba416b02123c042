#include "code/src/logic/dungeon/scripttriggers.h"

#include "code/src/events/scriptevents.h"
#include "code/src/logic/dungeon/scriptrunner.h"
#include "talvoren/log.h"

#include <algorithm>
#include <string>

namespace Belgarune
{
namespace
{
const irr::u32 kAreaCondition = 0;
const irr::u32 kSongCondition = 1;
//! The trigger that answers only to a player holding all three keys.
const irr::s32 kKeysTrigger = 17;

irr::core::stringw idText(irr::s32 id)
{
    return std::to_wstring(id).c_str();
}
} // namespace

void ScriptTriggers::addScriptTrigger(irr::s32 id, irr::s32 count, const irr::core::stringw& script)
{
    m_triggers.push_back(std::make_unique<ScriptTrigger>(id, count, script));
}

ScriptTrigger* ScriptTriggers::getScriptTrigger(irr::s32 id) const
{
    for (const std::unique_ptr<ScriptTrigger>& trigger : m_triggers)
    {
        if (trigger->getId() == id)
            return trigger.get();
    }
    return nullptr;
}

void ScriptTriggers::addCondition(const CreateTriggerConditionEvent& condition)
{
    const irr::s32 id = static_cast<irr::s32>(condition.m_triggerId);
    ScriptTrigger* trigger = getScriptTrigger(id);
    if (!trigger)
    {
        Talvoren::logError(L"Cannot create trigger condition: Trigger %p does not exist.", idText(id));
        return;
    }
    if (condition.m_condition == kAreaCondition)
        trigger->setArea(condition.m_centre, static_cast<irr::s32>(condition.m_radius));
    else if (condition.m_condition == kSongCondition)
        trigger->setSongId(static_cast<irr::s32>(condition.m_songId));
    updateAreaList(*trigger);
}

void ScriptTriggers::updateAreaList(ScriptTrigger& trigger)
{
    if (trigger.hasArea() && trigger.getSongId() == -1)
    {
        m_areaTriggers.push_back(&trigger);
        return;
    }
    const auto found = std::find(m_areaTriggers.begin(), m_areaTriggers.end(), &trigger);
    if (found != m_areaTriggers.end())
        m_areaTriggers.erase(found);
}

void ScriptTriggers::setCount(irr::s32 id, irr::s32 count)
{
    ScriptTrigger* trigger = getScriptTrigger(id);
    if (!trigger)
    {
        Talvoren::logError(L"Cannot set trigger count: Trigger %p does not exist.", idText(id));
        return;
    }
    trigger->setCount(count);
}

irr::u32 ScriptTriggers::fireBySong(irr::s32 songId, const irr::core::vector3df& position, bool allKeysHeld)
{
    irr::u32 fired = 0;
    // By index: a fired script line may add triggers.
    for (std::size_t k = 0; k < m_triggers.size(); ++k)
    {
        ScriptTrigger* trigger = m_triggers[k].get();
        if (trigger->getCount() <= 0 || trigger->getSongId() != songId)
            continue;
        if (trigger->hasArea() && !trigger->contains(position))
            continue;
        if (trigger->getId() == kKeysTrigger && !allKeysHeld)
            continue;
        fire(*trigger);
        ++fired;
    }
    return fired;
}

void ScriptTriggers::fireByPlace(const irr::core::vector3df& position)
{
    for (std::size_t k = 0; k < m_areaTriggers.size(); ++k)
    {
        ScriptTrigger* trigger = m_areaTriggers[k];
        if (trigger->getCount() > 0 && trigger->contains(position))
            fire(*trigger);
    }
}

std::wstring ScriptTriggers::runScriptLine(const ScriptTrigger& trigger)
{
    return std::wstring(L"runScript( \"") + trigger.getScript().c_str() + L"\" );";
}

void ScriptTriggers::fire(ScriptTrigger& trigger)
{
    m_scripts.inject(runScriptLine(trigger));
    trigger.decrementCount();
}
} // namespace Belgarune
