#pragma once
// Holds one of the player's tones down for a while, as if its key were pressed.

#include "code/src/commands/curveprocess.h"

#include <irrTypes.h>

namespace Belgarune
{
class ForcePlayerToneProcess : public CurveProcess
{
public:
    //! A tone outside 0..5 makes the process dead from the start. The curve is
    //! linear on the device's game clock.
    ForcePlayerToneProcess(irr::u32 tone, std::uint32_t durationMs);

private:
    //! Sets GameBase::m_forcedTones for the tone on every update; clears it at the end.
    void apply(float progress) override;

    irr::u32 m_tone;
};
} // namespace Belgarune
