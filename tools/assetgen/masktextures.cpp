#include "tools/assetgen/masktextures.h"

#include "tools/assetgen/maths.h"
#include "tools/assetgen/noise.h"

#include <algorithm>
#include <cmath>

namespace assetgen
{
namespace
{
//! Coverage of the marking at face point (x, y); x is mirrored (the masks are symmetric).
float marking(const MaskPaint& paint, float x, float y)
{
    const FaceLayout& f = paint.layout;
    const float ax = std::fabs(x);
    switch (paint.pattern)
    {
    case MaskMarking::Tears:
    {
        const float line = std::fabs(ax - f.eyeX - 0.03f * std::sin(y * 14));
        return (y < f.eyeY - f.eyeRadius && y > -0.8f) ? 1 - smoothstep(0.02f, 0.045f, line) : 0.0f;
    }
    case MaskMarking::Stripes:
    {
        const float band = std::fabs(y - f.eyeY);
        const float stripe = std::fabs(std::fmod(y * 10 + 10.5f, 1.0f) - 0.5f);
        return band < 0.3f ? 1 - smoothstep(0.15f, 0.25f, stripe) : 0.0f;
    }
    case MaskMarking::Spiral:
    {
        const float dx = ax - 0.5f, dy = y + 0.2f;
        const float r = std::hypot(dx, dy), angle = std::atan2(dy, dx);
        const float arm = std::fabs(std::fmod(r * 28 - angle + 62.83f, 6.2832f) - 3.1416f);
        return r < 0.28f ? 1 - smoothstep(0.5f, 0.9f, arm) : 0.0f;
    }
    case MaskMarking::Veil:
        return y < f.mouthY + 0.2f ? 0.75f + 0.25f * std::sin(x * 40) : 0.0f;
    }
    return 0;
}
} // namespace

Canvas maskFace(const MaskPaint& paint)
{
    const PeriodicNoise noise(paint.seed);
    const FaceLayout& f = paint.layout;
    Canvas canvas(256, 256);
    canvas.paint([&](float u, float v) {
        const float x = 2 * u - 1, y = 1 - 2 * v;
        const float grain = noise.fbm(u, v, 8, 4) - 0.5f;
        Colour c = paint.face * (0.92f + 0.35f * grain - 0.25f * std::max(0.0f, std::hypot(x, y) - 0.6f));
        c = mix(c, paint.marking, marking(paint, x, y));
        // Eye sockets: dark holes with a painted ring.
        const float eye = std::hypot(std::fabs(x) - f.eyeX, (y - f.eyeY) * 1.4f);
        c = mix(c, paint.marking * 0.6f, 1 - smoothstep(f.eyeRadius * 1.2f, f.eyeRadius * 1.45f, eye));
        c = mix(c, rgb(5, 3, 3), 1 - smoothstep(f.eyeRadius * 0.85f, f.eyeRadius, eye));
        // Mouth: a thin dark slit.
        const float mouth = std::hypot(x * 2.6f, (y - f.mouthY - 0.25f * x * x) * 9);
        c = mix(c, rgb(20, 5, 5), 1 - smoothstep(0.55f, 0.75f, mouth));
        return c.withAlpha(1);
    });
    return canvas;
}
} // namespace assetgen
