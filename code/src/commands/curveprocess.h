#pragma once
// A process that follows a timing curve from its first update until the curve
// reports 1.0, handing each value to its subclass.

#include "talvoren/processmanager/process.h"

#include <cstdint>
#include <memory>

class FluxCalc;

namespace Belgarune
{
class CurveProcess : public Process
{
public:
    //! curve must not be null.
    CurveProcess(std::uint32_t durationMs, std::shared_ptr<FluxCalc> curve, std::int32_t type);

    //! Reads the curve; at exactly 1.0 the process dies, after that value is applied.
    void onUpdate(std::uint32_t deltaMs) override;
    //! Takes the start value, then starts the curve without delay.
    void onInitialize() override;

protected:
    virtual void takeStart() {}
    virtual void apply(float progress) = 0;

private:
    std::uint32_t m_duration;
    std::shared_ptr<FluxCalc> m_flux;
};
} // namespace Belgarune
