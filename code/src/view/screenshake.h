#pragma once
// The screen shake: a camera displacement that fades out over its duration.

#include <irrTypes.h>
#include <vector3d.h>

#include <optional>

namespace Belgarune
{
class ScreenShake
{
public:
    //! Replaces a running shake. Times are game-clock milliseconds.
    void start(irr::f32 strength, irr::u32 durationMs, irr::u32 nowMs);
    bool isRunning() const { return m_shakeStrength != 0.0f; }

    //! How far to move the camera (position and target alike) for a frame at
    //! game time now. A shake that is over ends here and gives none; so does a
    //! shake of no duration.
    std::optional<irr::core::vector3df> displacement(const irr::core::vector3df& position,
                                                      const irr::core::vector3df& target,
                                                      const irr::core::vector3df& up, irr::f64 now);

private:
    irr::u32 m_shakeStart = 0;
    irr::u32 m_shakeDuration = 0;
    //! 0: no shake.
    irr::f32 m_shakeStrength = 0.0f;
};
} // namespace Belgarune
