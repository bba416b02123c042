#pragma once
// The half-second fade-in of the view's captions.

#include <irrTypes.h>

namespace Belgarune
{
constexpr irr::u32 kFadeMs = 500;

//! elapsed / kFadeMs, at most 1.
inline irr::f32 fadeInAlpha(irr::f64 elapsedMs)
{
    const irr::f64 alpha = elapsedMs / kFadeMs;
    return alpha < 1.0 ? static_cast<irr::f32>(alpha) : 1.0f;
}
} // namespace Belgarune
