#include "code/src/events/viewevents.h"

namespace Belgarune
{
const HashedString CreateVisualEffectEvent::kEventType("CreateVisualEffectEvent");
const HashedString ShakeScreenEvent::kEventType("ShakeScreenEvent");
const HashedString AddNoticeEvent::kEventType("AddNoticeEvent");

CreateVisualEffectEvent::CreateVisualEffectEvent(irr::s32 effectType, const irr::core::vector3df& position)
    : m_effectType(effectType), m_position(position)
{
}

ShakeScreenEvent::ShakeScreenEvent(irr::f32 strength, irr::s32 duration) : m_duration(duration), m_strength(strength)
{
}

AddNoticeEvent::AddNoticeEvent(const irr::core::stringw& text, irr::u32 duration) : m_text(text), m_duration(duration)
{
}
} // namespace Belgarune
