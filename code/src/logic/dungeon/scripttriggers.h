#pragma once
// The dungeon's script triggers: every trigger in creation order and the
// ones that fire by place.

#include "code/src/logic/dungeon/scripttrigger.h"

#include <memory>
#include <vector>

namespace Belgarune
{
class CreateTriggerConditionEvent;
class IScriptRunner;

//! Owns its triggers; none is ever removed. Firing runs the trigger's script
//! through the runner (not owned, outlives the triggers).
class ScriptTriggers
{
public:
    explicit ScriptTriggers(IScriptRunner& scripts) : m_scripts(scripts) {}

    //! Ids are not checked: two triggers may share one.
    void addScriptTrigger(irr::s32 id, irr::s32 count, const irr::core::stringw& script);
    //! The first trigger with that id in creation order, or null.
    ScriptTrigger* getScriptTrigger(irr::s32 id) const;
    //! Area (0) or song (1) condition; logs an error for an unknown trigger.
    void addCondition(const CreateTriggerConditionEvent& condition);
    //! Logs an error for an unknown trigger.
    void setCount(irr::s32 id, irr::s32 count);

    //! Fires every armed trigger of the song that has no area or holds the
    //! position; trigger 17 only with all three keys. Returns how many fired.
    irr::u32 fireBySong(irr::s32 songId, const irr::core::vector3df& position, bool allKeysHeld);
    //! Fires every armed area trigger holding the position, in area-list order.
    void fireByPlace(const irr::core::vector3df& position);

    //! The area list, an entry per area condition given.
    const std::vector<ScriptTrigger*>& getAreaTriggers() const { return m_areaTriggers; }

    //! The line that starts the trigger's script.
    static std::wstring runScriptLine(const ScriptTrigger& trigger);

private:
    void fire(ScriptTrigger& trigger);
    void updateAreaList(ScriptTrigger& trigger);

    IScriptRunner& m_scripts;
    std::vector<std::unique_ptr<ScriptTrigger>> m_triggers;
    std::vector<ScriptTrigger*> m_areaTriggers;
};
} // namespace Belgarune
