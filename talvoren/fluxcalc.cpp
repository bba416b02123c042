#include "talvoren/fluxcalc.h"

#include "talvoren/clock.h"

#include <algorithm>
#include <utility>

namespace
{
//! value raised to 2^power, by squaring power times.
float squareRepeatedly(float value, std::uint32_t power)
{
    for (std::uint32_t i = 0; i < power; ++i)
        value = value * value;
    return value;
}

std::uint32_t wholeMs(double ms)
{
    return static_cast<std::uint32_t>(ms);
}
} // namespace

FluxCalc::FluxCalc(std::shared_ptr<Talvoren::Clock> clock) : m_clock(std::move(clock))
{
}

void FluxCalc::start(std::uint32_t durationMs, std::uint32_t delayMs)
{
    m_elapsed = 0;
    m_duration = durationMs;
    m_delay = delayMs;
    m_lastTime = m_clock ? wholeMs(m_clock->getTotal()) : 0;
}

float FluxCalc::advance(float offset)
{
    const double now = m_clock ? m_clock->getTotal() : static_cast<double>(m_lastTime);
    m_elapsed = wholeMs(static_cast<double>(m_elapsed) + (now - static_cast<double>(m_lastTime)));
    m_lastTime = wholeMs(now);

    if (m_delay != 0)
    {
        if (m_elapsed < m_delay)
            return 0.0f;
        m_elapsed = 0;
        m_delay = 0;
    }
    if (!isFinished())
        return calc(offset);
    return 1.0f;
}

float FluxCalc::fraction(float offset) const
{
    if (m_duration == 0)
        return 1.0f;
    double position = m_elapsed;
    if (offset != 0.0f)
    {
        const double moved = static_cast<double>(m_duration) * offset + static_cast<double>(m_elapsed);
        const double limited = std::clamp(moved, -2147483648.0, 2147483647.0);
        position = std::clamp<double>(static_cast<std::int32_t>(limited), 0.0, m_duration);
    }
    return static_cast<float>(position / static_cast<double>(m_duration));
}

FluxCalcWithPower::FluxCalcWithPower(std::shared_ptr<Talvoren::Clock> clock, std::uint32_t power)
    : FluxCalc(std::move(clock)), m_power(power)
{
}

float FluxCalcLinear::calc(float offset)
{
    return fraction(offset);
}

float FluxCalcSlowdown::calc(float offset)
{
    return 1.0f - squareRepeatedly(1.0f - fraction(offset), m_power);
}

float FluxCalcSpeedUp::calc(float offset)
{
    return squareRepeatedly(fraction(offset), m_power);
}

float FluxCalcLogistic::calc(float offset)
{
    const float x = fraction(offset);
    const float rest = 1.0f - x;
    return x * (1.0f - rest * rest) + rest * (x * x);
}
