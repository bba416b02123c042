#include "code/src/logic/dungeon/respawnpoints.h"

namespace Belgarune
{
void RespawnPoints::add(const MapCoord& cell, irr::s32 radius)
{
    m_points.push_back({cell, radius});
    if (m_points.size() == 1)
        m_current = 0;
}

void RespawnPoints::updateCurrent(const irr::core::vector3df& position)
{
    for (std::size_t k = 0; k < m_points.size(); ++k)
    {
        // In world units, as the player's position.
        if (cellCentre(m_points[k].cell).getDistanceFrom(position) < static_cast<irr::f32>(m_points[k].radius))
            m_current = static_cast<int>(k);
    }
}

const RespawnPoint* RespawnPoints::getCurrent() const
{
    return m_current < 0 ? nullptr : &m_points[static_cast<std::size_t>(m_current)];
}
} // namespace Belgarune
