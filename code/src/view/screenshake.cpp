#include "code/src/view/screenshake.h"

#include <cmath>

namespace Belgarune
{
void ScreenShake::start(irr::f32 strength, irr::u32 durationMs, irr::u32 nowMs)
{
    m_shakeStart = nowMs;
    m_shakeStrength = strength;
    m_shakeDuration = durationMs;
}

std::optional<irr::core::vector3df> ScreenShake::displacement(const irr::core::vector3df& position,
                                                               const irr::core::vector3df& target,
                                                               const irr::core::vector3df& up, irr::f64 now)
{
    if (!isRunning())
        return std::nullopt;
    const irr::f64 t = m_shakeDuration == 0 ? 2.0 : (now - m_shakeStart) / m_shakeDuration;
    if (t > 1.0)
    {
        m_shakeStrength = 0.0f;
        return std::nullopt;
    }
    irr::core::vector3df forward = target - position;
    forward.normalize();
    irr::core::vector3df right = up.crossProduct(forward);
    right.normalize();
    irr::core::vector3df lift = forward.crossProduct(right);
    lift.normalize();

    const irr::f64 k = (1.0 - t) * m_shakeStrength;
    const irr::f32 vertical =
        static_cast<irr::f32>((std::sin(0.07 * now) - 0.5) * k * 0.5 + (std::sin(0.03 * now) - 0.5) * k);
    const irr::f32 sideways =
        static_cast<irr::f32>((std::sin(0.075 * now) - 0.5) * k * 0.5 + (std::sin(0.03 * now) - 0.55) * k);
    return lift * vertical + right * sideways;
}
} // namespace Belgarune
