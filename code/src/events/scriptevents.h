#pragma once
// Events that start scripts and set up the script triggers.

#include "talvoren/ieventdata.h"

#include <irrString.h>
#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
//! The one game event that its sender queues rather than triggers.
class StartScriptEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit StartScriptEvent(const irr::core::stringw& path);
    const HashedString& getEventType() const override { return kEventType; }

    irr::core::stringw m_path;
};

class CreateScriptTriggerEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    CreateScriptTriggerEvent(irr::u32 triggerId, irr::u32 count, const irr::core::stringw& script);
    const HashedString& getEventType() const override { return kEventType; }

    irr::u32 m_triggerId;
    irr::u32 m_count;
    irr::core::stringw m_script;
};

//! The sender fills the fields.
class CreateTriggerConditionEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    const HashedString& getEventType() const override { return kEventType; }

    irr::u32 m_triggerId = 0;
    //! 0 area, 1 song.
    irr::u32 m_condition = 0;
    irr::core::vector3df m_centre;
    irr::u32 m_radius = 0;
    irr::u32 m_songId = 0;
};

class ResetTriggerEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    ResetTriggerEvent(irr::u32 triggerId, irr::u32 count);
    const HashedString& getEventType() const override { return kEventType; }

    irr::u32 m_triggerId;
    irr::u32 m_count;
};
} // namespace Belgarune
