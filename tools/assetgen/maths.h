#pragma once
// The constant and the easing curve that the mesh and picture recipes share.

#include <algorithm>

namespace assetgen
{
constexpr float kPi = 3.14159265358979f;

//! 0 up to `edge0`, 1 from `edge1`, a smooth Hermite step between (either edge may be the larger).
inline float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}
} // namespace assetgen
