#pragma once
// Events for the screen: visual effects, shaking and notices.

#include "talvoren/ieventdata.h"

#include <irrString.h>
#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
class CreateVisualEffectEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    CreateVisualEffectEvent(irr::s32 effectType, const irr::core::vector3df& position);
    const HashedString& getEventType() const override { return kEventType; }

    irr::s32 m_effectType;
    irr::core::vector3df m_position;
};

class ShakeScreenEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    //! Note the order: strength first, unlike the fields.
    ShakeScreenEvent(irr::f32 strength, irr::s32 duration);
    const HashedString& getEventType() const override { return kEventType; }

    //! Milliseconds.
    irr::s32 m_duration;
    irr::f32 m_strength;
};

class AddNoticeEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    AddNoticeEvent(const irr::core::stringw& text, irr::u32 duration);
    const HashedString& getEventType() const override { return kEventType; }

    irr::core::stringw m_text;
    //! Milliseconds.
    irr::u32 m_duration;
};
} // namespace Belgarune
