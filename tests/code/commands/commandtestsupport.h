#pragma once
// Script commands run through the real script manager: the events they send,
// as text, and frames on the game clock.

#include "code/src/events/gameevents.h"
#include "code/src/scriptinterpreter.h"
#include "code/src/state/gamebase.h"
#include "talvoren/clock.h"
#include "talvoren/eventmanager.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/processmanager/processmanager.h"
#include "talvoren/soundsystem/playsoundevent.h"
#include "tests/support/quietnulldevice.h"
#include "tests/support/recordingview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace commandtest
{
using namespace Belgarune;
using Lines = std::vector<std::string>;

inline std::string narrow(const irr::core::stringw& text)
{
    return irr::core::stringc(text).c_str();
}

//! One event as "<type> <fields>"; an item event also tells whether the
//! item's flag was already set when it arrived.
inline std::string describe(const IEventData& event)
{
    std::ostringstream out;
    out << event.getEventType().getName();
    const auto cell = [&out](const MapCoord& c) { out << " (" << c.x << ',' << c.y << ',' << c.z << ')'; };
    const auto point = [&out](const irr::core::vector3df& p) { out << " (" << p.X << ',' << p.Y << ',' << p.Z << ')'; };
    if (auto* e = dynamic_cast<const ModifyMapEvent*>(&event))
    {
        cell(e->m_cell);
        out << ' ' << e->m_value << ' ' << e->m_value2 << ' ' << e->m_kind;
    }
    else if (auto* e = dynamic_cast<const PlaceObjectEvent*>(&event))
    {
        cell(e->m_cell);
        out << ' ' << e->m_actorId;
    }
    else if (auto* e = dynamic_cast<const CreateObjectEvent*>(&event))
    {
        out << ' ' << narrow(e->m_typeName) << ' ' << e->m_objectId;
        cell(e->m_cell);
        out << ' ' << e->m_a << ' ' << e->m_b;
    }
    else if (auto* e = dynamic_cast<const SetGameStateEvent*>(&event))
        out << ' ' << e->m_state;
    else if (auto* e = dynamic_cast<const SetSystemStateEvent*>(&event))
        out << ' ' << e->m_state;
    else if (auto* e = dynamic_cast<const PlaySoundEvent*>(&event))
        out << ' ' << narrow(e->file) << ' ' << e->loop << ' ' << e->volume << ' ' << e->id;
    else if (auto* e = dynamic_cast<const SetWalkableEvent*>(&event))
        out << " (" << e->m_cell.X << ',' << e->m_cell.Y << ") " << e->m_walkable;
    else if (auto* e = dynamic_cast<const AddItemEvent*>(&event))
        out << ' ' << e->m_item << " held " << g_gameBase->m_hasItem[e->m_item];
    else if (auto* e = dynamic_cast<const CreateScriptTriggerEvent*>(&event))
        out << ' ' << e->m_triggerId << ' ' << e->m_count << ' ' << narrow(e->m_script);
    else if (auto* e = dynamic_cast<const CreateTriggerConditionEvent*>(&event))
    {
        out << ' ' << e->m_triggerId << ' ' << e->m_condition;
        point(e->m_centre);
        out << ' ' << e->m_radius << ' ' << e->m_songId;
    }
    else if (auto* e = dynamic_cast<const AddRespawnPointEvent*>(&event))
        out << " (" << e->m_cell.X << ',' << e->m_cell.Y << ") " << e->m_radius;
    else if (auto* e = dynamic_cast<const RemoveObjectEvent*>(&event))
        out << ' ' << e->m_objectId;
    else if (auto* e = dynamic_cast<const CreateVisualEffectEvent*>(&event))
    {
        out << ' ' << e->m_effectType;
        point(e->m_position);
    }
    else if (auto* e = dynamic_cast<const ShakeScreenEvent*>(&event))
        out << ' ' << e->m_strength << ' ' << e->m_duration;
    else if (auto* e = dynamic_cast<const HealEvent*>(&event))
        out << ' ' << e->m_amount;
    else if (auto* e = dynamic_cast<const GotSongEvent*>(&event))
        out << ' ' << e->m_songId;
    else if (auto* e = dynamic_cast<const ResetTriggerEvent*>(&event))
        out << ' ' << e->m_triggerId << ' ' << e->m_count;
    else if (auto* e = dynamic_cast<const AddNoticeEvent*>(&event))
        out << ' ' << narrow(e->m_text) << ' ' << e->m_duration;
    else if (auto* e = dynamic_cast<const StartScriptEvent*>(&event))
        out << ' ' << narrow(e->m_path);
    return out.str();
}

class EventRecorder : public IEventListener
{
public:
    const char* getName() override { return "EventRecorder"; }
    bool handleEvent(const std::shared_ptr<IEventData>& event) override
    {
        events.push_back(describe(*event));
        return false;
    }

    Lines events;
};

//! An engine device that is not initialised (its clocks, process managers and
//! event manager), the game's event types with a recorder on each, a script
//! manager running the game's commands against a recording view, and an
//! Irrlicht null device for scene nodes.
class ScriptCommandTest : public testsupport::QuietNullDeviceTest
{
protected:
    ScriptCommandTest()
        : m_recorder(std::make_shared<EventRecorder>()),
          m_interpreter(std::make_shared<ScriptInterpreter>(&m_manager, &m_view))
    {
        g_device = &m_engine;
        resetGameBase();
        IEventManager& events = *m_engine.getEventManager();
        registerGameEventTypes(events);
        events.registerEventType(PlaySoundEvent::kEventType);
        for (const HashedString* type :
             {&ModifyMapEvent::kEventType, &PlaceObjectEvent::kEventType, &CreateObjectEvent::kEventType,
              &SetGameStateEvent::kEventType, &SetSystemStateEvent::kEventType, &PlaySoundEvent::kEventType,
              &SetWalkableEvent::kEventType, &AddItemEvent::kEventType, &CreateScriptTriggerEvent::kEventType,
              &CreateTriggerConditionEvent::kEventType, &AddRespawnPointEvent::kEventType,
              &RemoveObjectEvent::kEventType, &CreateVisualEffectEvent::kEventType, &ShakeScreenEvent::kEventType,
              &HealEvent::kEventType, &GotSongEvent::kEventType, &ResetTriggerEvent::kEventType,
              &AddNoticeEvent::kEventType, &StartScriptEvent::kEventType})
            events.addListener(m_recorder, *type);
        m_manager.setInterpreter(m_interpreter);
        m_interpreter->registerFunctions(&m_manager);
    }
    ~ScriptCommandTest() override
    {
        resetGameBase();
        g_device = nullptr;
    }

    //! What the commands and their processes change.
    static void resetGameBase()
    {
        GameBase& base = *g_gameBase;
        std::fill(std::begin(base.m_hasItem), std::end(base.m_hasItem), false);
        std::fill(std::begin(base.m_forcedTones), std::end(base.m_forcedTones), false);
        base.m_blackScreen = base.m_whiteScreen = base.m_damageScreen = 0.0f;
        base.m_camera = nullptr;
    }

    //! One frame of ms in the main loop's order: clocks, processes, scripts, queued events.
    void frame(std::uint32_t ms)
    {
        m_engine.getGameClock()->update(ms);
        m_engine.getProcessManager()->update(ms);
        m_manager.update();
        m_engine.getEventManager()->tick(IEventManager::kInfinite);
    }

    Lines& events() { return m_recorder->events; }

    Talvoren::OmbelDevice m_engine;
    Talvoren::OmbelScriptManager m_manager;
    testsupport::RecordingView m_view;
    std::shared_ptr<EventRecorder> m_recorder;
    std::shared_ptr<ScriptInterpreter> m_interpreter;
};
} // namespace commandtest
