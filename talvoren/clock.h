#pragma once
// A frame clock: the device's frame time scaled by the clock's own speed.

#include <irrTypes.h>

namespace Talvoren
{
class Clock
{
public:
    //! delta = frame time x speed; the total grows by delta.
    void update(irr::u32 frameDeltaMs)
    {
        m_delta = static_cast<irr::f32>(static_cast<irr::f64>(frameDeltaMs) * m_speed);
        m_total += m_delta;
    }
    irr::f32 getDelta() const { return m_delta; }
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
