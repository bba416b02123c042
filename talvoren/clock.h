#pragma once
// A frame clock: the device's frame time scaled by the clock's own speed.

#include <irrTypes.h>

#include <algorithm>
#include <limits>

namespace Talvoren
{
class Clock
{
public:
    //! delta = frame time x speed, kept within f32's range; the total grows by delta.
    void update(irr::u32 frameDeltaMs)
    {
        constexpr irr::f64 kLargest = std::numeric_limits<irr::f32>::max();
        const irr::f64 scaled = static_cast<irr::f64>(frameDeltaMs) * m_speed;
        m_delta = static_cast<irr::f32>(std::clamp(scaled, -kLargest, kLargest));
        m_total += m_delta;
    }
    irr::f32 getDelta() const { return m_delta; }
    //! The delta cut toward zero to whole milliseconds, within 0..the largest s32
    //! (a negative or NaN delta gives 0).
    irr::s32 getWholeDeltaMs() const
    {
        // 2^31, the first f32 beyond the s32 range.
        constexpr irr::f32 kBeyondS32 = 2147483648.0f;
        if (!(m_delta > 0.0f))
            return 0;
        if (m_delta >= kBeyondS32)
            return std::numeric_limits<irr::s32>::max();
        return static_cast<irr::s32>(m_delta);
    }
    irr::f64 getTotal() const { return m_total; }
    //! Takes effect from the next update.
    void setSpeed(irr::f32 factor) { m_speed = factor; }
    irr::f32 getSpeed() const { return m_speed; }

private:
    irr::f32 m_delta = 0.0f;
    irr::f64 m_total = 0.0;
    irr::f32 m_speed = 1.0f;
};
} // namespace Talvoren
