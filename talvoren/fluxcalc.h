#pragma once
// Timing curves: the time passed on a clock since start, after an optional delay,
// mapped to a progress from 0 to 1 over a duration.

#include <cstdint>
#include <memory>

namespace Talvoren
{
class Clock;
}

class FluxCalc
{
public:
    explicit FluxCalc(std::shared_ptr<Talvoren::Clock> clock);

    //! Restarts the curve at the clock's current total time.
    void start(std::uint32_t durationMs, std::uint32_t delayMs);
    //! Counts the clock's time since the last reading; 0 during the delay, exactly 1 at the end.
    float advance(float offset);
    bool isFinished() const { return m_elapsed >= m_duration; }
    //! The curve value at the current position, moved by offset times the duration.
    virtual float calc(float offset) = 0;

protected:
    // Curves are owned through shared pointers made from their concrete classes.
    ~FluxCalc() = default;
    //! The position as a fraction of the duration (1 when the duration is 0).
    float fraction(float offset) const;

    std::uint32_t m_elapsed = 0;
    std::uint32_t m_duration = 0;
    std::uint32_t m_delay = 0;
    std::uint32_t m_lastTime = 0;
    std::shared_ptr<Talvoren::Clock> m_clock;
};

//! x
class FluxCalcLinear final : public FluxCalc
{
public:
    using FluxCalc::FluxCalc;
    float calc(float offset) override;
};

//! A shape with a power, given to the constructor.
class FluxCalcWithPower : public FluxCalc
{
public:
    FluxCalcWithPower(std::shared_ptr<Talvoren::Clock> clock, std::uint32_t power);

protected:
    ~FluxCalcWithPower() = default;

    std::uint32_t m_power;
};

//! 1 - (1 - x)^(2^power): fast start, slow end.
class FluxCalcSlowdown final : public FluxCalcWithPower
{
public:
    using FluxCalcWithPower::FluxCalcWithPower;
    float calc(float offset) override;
};

//! x^(2^power): slow start, fast end.
class FluxCalcSpeedUp final : public FluxCalcWithPower
{
public:
    using FluxCalcWithPower::FluxCalcWithPower;
    float calc(float offset) override;
};

//! 3x^2 - 2x^3; the power is kept but not used.
class FluxCalcLogistic final : public FluxCalcWithPower
{
public:
    using FluxCalcWithPower::FluxCalcWithPower;
    float calc(float offset) override;
};
