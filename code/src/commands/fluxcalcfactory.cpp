#include "code/src/commands/fluxcalcfactory.h"

#include "talvoren/fluxcalc.h"
#include "talvoren/ombeldevice.h"

namespace Belgarune
{
namespace
{
enum class CurveShape
{
    Slowdown,
    SpeedUp,
    Logistic,
};

struct NamedCurve
{
    const wchar_t* word;
    CurveShape shape;
    std::uint32_t power;
};

const NamedCurve kNamedCurves[] = {
    {L"SLOW_DOWN", CurveShape::Slowdown, 1},   {L"SLOW_DOWN_X2", CurveShape::Slowdown, 2},
    {L"SLOW_DOWN_X3", CurveShape::Slowdown, 3}, {L"SPEED_UP", CurveShape::SpeedUp, 1},
    {L"SPEED_UP_X2", CurveShape::SpeedUp, 2},   {L"SPEED_UP_X3", CurveShape::SpeedUp, 3},
    {L"SPEED_LOGISTIC", CurveShape::Logistic, 1},
};

std::shared_ptr<FluxCalc> makeCurve(CurveShape shape, const std::shared_ptr<Talvoren::Clock>& clock,
                                    std::uint32_t power)
{
    if (shape == CurveShape::Slowdown)
        return std::make_shared<FluxCalcSlowdown>(clock, power);
    if (shape == CurveShape::SpeedUp)
        return std::make_shared<FluxCalcSpeedUp>(clock, power);
    return std::make_shared<FluxCalcLogistic>(clock, power);
}
} // namespace

std::shared_ptr<FluxCalc> createFluxCalc(const std::wstring& word)
{
    const std::shared_ptr<Talvoren::Clock> clock = g_device ? g_device->getGameClock() : nullptr;
    for (const NamedCurve& named : kNamedCurves)
    {
        if (word == named.word)
            return makeCurve(named.shape, clock, named.power);
    }
    return std::make_shared<FluxCalcLinear>(clock);
}
} // namespace Belgarune
