#include "code/src/commands/fadescreenprocess.h"

#include "code/src/state/gamebase.h"

namespace Belgarune
{
ScreenOverlay screenOverlayNamed(const std::wstring& word)
{
    if (word == L"WHITE")
        return ScreenOverlay::White;
    if (word == L"DAMAGE")
        return ScreenOverlay::Damage;
    return ScreenOverlay::Black;
}

FadeScreenProcess::FadeScreenProcess(irr::u32 mode, irr::f32 target, std::uint32_t durationMs,
                                     std::shared_ptr<FluxCalc> curve, std::int32_t type)
    : CurveProcess(durationMs, std::move(curve), type), m_target(target), m_mode(mode)
{
}

void FadeScreenProcess::takeStart()
{
    m_start = overlay();
}

void FadeScreenProcess::apply(float progress)
{
    const double t = progress;
    overlay() = static_cast<irr::f32>((1.0 - t) * m_start + t * m_target);
}

irr::f32& FadeScreenProcess::overlay() const
{
    switch (m_mode)
    {
    case static_cast<irr::u32>(ScreenOverlay::Black):
        return g_gameBase->m_blackScreen;
    case static_cast<irr::u32>(ScreenOverlay::White):
        return g_gameBase->m_whiteScreen;
    default:
        return g_gameBase->m_damageScreen;
    }
}
} // namespace Belgarune
