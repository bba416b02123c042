#include "code/src/commands/curveprocess.h"

#include "talvoren/fluxcalc.h"

namespace Belgarune
{
CurveProcess::CurveProcess(std::uint32_t durationMs, std::shared_ptr<FluxCalc> curve, std::int32_t type)
    : Process(type), m_duration(durationMs), m_flux(std::move(curve))
{
}

void CurveProcess::onUpdate(std::uint32_t deltaMs)
{
    Process::onUpdate(deltaMs);
    if (!m_active)
        return;
    const float progress = m_flux->advance(0.0f);
    if (progress == 1.0f)
        kill();
    apply(progress);
}

void CurveProcess::onInitialize()
{
    takeStart();
    m_flux->start(m_duration, 0);
}
} // namespace Belgarune
