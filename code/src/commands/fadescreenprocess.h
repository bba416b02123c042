#pragma once
// Fades one of the screen overlays of the game state to a target value.

#include "code/src/commands/curveprocess.h"

#include <irrTypes.h>

#include <string>

namespace Belgarune
{
//! Numbered as the fade's mode; any number above 1 stands for the damage overlay.
enum class ScreenOverlay : irr::u32
{
    Black = 0,
    White = 1,
    Damage = 2,
};

//! "WHITE" or "DAMAGE"; any other word gives Black.
ScreenOverlay screenOverlayNamed(const std::wstring& word);

class FadeScreenProcess : public CurveProcess
{
public:
    //! mode: 0 GameBase::m_blackScreen, 1 m_whiteScreen, any other m_damageScreen.
    FadeScreenProcess(irr::u32 mode, irr::f32 target, std::uint32_t durationMs, std::shared_ptr<FluxCalc> curve,
                      std::int32_t type);

private:
    void takeStart() override;
    void apply(float progress) override;
    irr::f32& overlay() const;

    irr::f32 m_target;
    irr::f32 m_start = 0.0f;
    irr::u32 m_mode;
};
} // namespace Belgarune
