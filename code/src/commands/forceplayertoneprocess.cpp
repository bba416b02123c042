#include "code/src/commands/forceplayertoneprocess.h"

#include "code/src/commands/fluxcalcfactory.h"
#include "code/src/state/gamebase.h"

#include <type_traits>

namespace Belgarune
{
namespace
{
constexpr std::size_t kToneCount = std::extent_v<decltype(GameBase::m_forcedTones)>;
}

ForcePlayerToneProcess::ForcePlayerToneProcess(irr::u32 tone, std::uint32_t durationMs)
    : CurveProcess(durationMs, createFluxCalc(L"LINEAR"), 0), m_tone(tone)
{
    if (m_tone >= kToneCount)
        kill();
}

void ForcePlayerToneProcess::apply(float progress)
{
    g_gameBase->m_forcedTones[m_tone] = progress != 1.0f;
}
} // namespace Belgarune
