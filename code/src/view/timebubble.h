#pragma once
// The time bubble of the slow-down song: it widens over the first tenth of
// the effect and shrinks away over the last tenth.

#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
struct TimeBubbleLook
{
    //! false once the effect is over; nothing else then applies.
    bool visible = false;
    irr::core::vector3df scale;
    //! The shaders' time-bubble value.
    irr::f32 shaderValue = 0.0f;
};

//! The bubble at the effect's progress, 0 to 1.
TimeBubbleLook timeBubbleAt(irr::f32 progress);
} // namespace Belgarune
