#include "code/src/logic/dungeon/scripttrigger.h"

namespace Belgarune
{
ScriptTrigger::ScriptTrigger(irr::s32 id, irr::s32 count, const irr::core::stringw& script)
    : m_id(id), m_count(count), m_script(script), m_centre(0.0f, 0.0f, 0.0f), m_radius(5), m_songId(-1)
{
}

void ScriptTrigger::setArea(const irr::core::vector3df& centre, irr::s32 radius)
{
    m_centre = centre;
    m_radius = radius;
}

bool ScriptTrigger::hasArea() const
{
    return !m_centre.equals(irr::core::vector3df(0.0f, 0.0f, 0.0f), 0.000001f);
}

bool ScriptTrigger::contains(const irr::core::vector3df& position) const
{
    return m_centre.getDistanceFrom(position) < static_cast<irr::f32>(m_radius);
}
} // namespace Belgarune
