#include "code/src/view/maskmotion.h"

#include "talvoren/clock.h"
#include "talvoren/ombeldevice.h"

#include <ISceneNode.h>

#include <cmath>

namespace Belgarune
{
namespace
{
const irr::s32 kWobbleEveryMs = 1000;
const irr::s32 kWobbleRange = 45;
const irr::f32 kWobbleDecay = 0.05f;
const irr::f32 kTurnSpeed = 0.1f;
const irr::f64 kBobbingRate = 0.003;
} // namespace

irr::f32 MaskWobble::update(irr::u32 nowMs, irr::f32 gameDeltaMs)
{
    if (static_cast<irr::s32>(nowMs - m_lastTurn) > kWobbleEveryMs)
    {
        m_lastTurn = nowMs;
        m_turnOffset = static_cast<irr::f32>(Talvoren::OmbelDevice::random(-kWobbleRange, kWobbleRange));
    }
    const irr::f32 towardsZero = m_turnOffset < 0.0f ? 1.0f : (m_turnOffset > 0.0f ? -1.0f : 0.0f);
    if (std::fabs(m_turnOffset) > 1.0f)
        m_turnOffset += gameDeltaMs * towardsZero * kWobbleDecay;
    return m_turnOffset;
}

irr::f32 bobbing(irr::u32 nowMs, irr::f32 amplitude)
{
    return amplitude * static_cast<irr::f32>(std::sin(kBobbingRate * nowMs));
}

irr::f32 turnTowards(irr::f32 current, irr::f32 target, irr::f32 gameDeltaMs)
{
    if (std::fabs(target - current) <= 1.0f)
        return current;
    return current < target ? current + kTurnSpeed * gameDeltaMs : current - kTurnSpeed * gameDeltaMs;
}

void placeMask(irr::scene::ISceneNode* node, irr::core::vector3df rotation, const irr::core::vector3df& position,
               irr::f32 gameDeltaMs)
{
    rotation.Y = turnTowards(node->getRotation().Y, rotation.Y, gameDeltaMs);
    node->setRotation(rotation);
    node->setPosition(position);
}

irr::u32 maskNow()
{
    return g_device ? g_device->getTimeMs() : 0;
}

irr::f32 maskGameDelta()
{
    return g_device && g_device->getGameClock() ? g_device->getGameClock()->getDelta() : 0.0f;
}
} // namespace Belgarune
