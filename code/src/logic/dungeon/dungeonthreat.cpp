#include "code/src/logic/dungeon/dungeonthreat.h"

#include "code/src/world/mapcoord.h"

#include <algorithm>

namespace Belgarune
{
namespace
{
const irr::f32 kApproachMs = 500.0f;
const irr::f32 kRetreatMs = 3000.0f;
const irr::f32 kNoticeDistance = 26.0f;
const irr::f32 kCatchDistance = 28.0f;
const irr::f32 kCatchProgress = 0.6f;
const irr::f32 kBubbleDistance = 40.0f;
const irr::f32 kBubbleRate = 0.01f;
const irr::f32 kTopHeight = 16.0f;
} // namespace

irr::core::vector3df DungeonThreat::position()
{
    return gridToWorld(irr::core::vector2d<irr::s32>(260, 260));
}

ThreatStep DungeonThreat::update(irr::f32 deltaMs, irr::f32 playerDistance, bool timeBubble)
{
    ThreatStep step;
    const irr::f32 rate = timeBubble && playerDistance < kBubbleDistance ? kBubbleRate : 1.0f;
    if (m_retreating)
    {
        m_timer += deltaMs * rate;
        const irr::f32 progress = std::min(m_timer / kRetreatMs, 1.0f);
        step.height = kTopHeight * progress;
        if (progress >= 1.0f)
        {
            m_retreating = false;
            m_timer = 0.0f;
        }
    }
    else if (!m_approaching && playerDistance < kNoticeDistance)
    {
        m_approaching = true;
        m_timer = 0.0f;
        step.approachBegun = true;
        return step;
    }

    if (m_approaching)
    {
        m_timer += deltaMs * rate;
        irr::f32 progress = std::min(m_timer / kApproachMs, 1.0f);
        if (playerDistance < kCatchDistance && progress >= kCatchProgress)
        {
            step.caught = true;
            m_approaching = false;
            progress = 0.0f;
        }
        step.height = kTopHeight * (1.0f - progress);
        if (progress >= 1.0f)
        {
            m_approaching = false;
            m_retreating = true;
            m_timer = 0.0f;
        }
    }
    return step;
}
} // namespace Belgarune
