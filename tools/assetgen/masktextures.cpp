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
        // A wavering line from under each eye, ending in a drop.
        constexpr float kTearEnd = -0.7f;
        auto lineX = [&f](float at) { return f.eyeX + 0.03f * std::sin(at * 14); };
        const float line = std::fabs(ax - lineX(y));
        const bool alongTear = y < f.eyeY - f.eyeRadius && y > kTearEnd;
        const float stroke = alongTear ? 1 - smoothstep(0.02f, 0.045f, line) : 0.0f;
        const float drop = std::hypot(ax - lineX(kTearEnd), (y - kTearEnd) * 0.8f);
        return std::max(stroke, 1 - smoothstep(0.04f, 0.06f, drop));
    }
    case MaskMarking::Stripes:
    {
        const float band = std::fabs(y - f.eyeY);
        const float stripe = std::fabs(std::fmod(y * 10 + 10.5f, 1.0f) - 0.5f);
        return band < 0.3f ? 1 - smoothstep(0.15f, 0.25f, stripe) : 0.0f;
    }
    case MaskMarking::Spiral:
    {
        // A stroke along r = pitch * turn, two and three quarter turns out, ending downward.
        const float dx = ax - 0.5f, dy = y + 0.2f;
        const float r = std::hypot(dx, dy);
        const float angle = std::atan2(dy, dx);
        const float start = angle < 0 ? angle + 2 * kPi : angle;
        const float lastTurn = 5.5f * kPi, pitch = 0.27f / lastTurn;
        float coverage = 0;
        for (float turn = start; turn <= lastTurn; turn += 2 * kPi)
        {
            const float halfWidth = 0.008f + 0.022f * turn / lastTurn;
            coverage = std::max(coverage, 1 - smoothstep(halfWidth * 0.6f, halfWidth, std::fabs(r - pitch * turn)));
        }
        // A round end where the stroke stops, straight below the centre.
        const float toEnd = std::hypot(dx, dy + pitch * lastTurn);
        return std::max(coverage, 1 - smoothstep(0.018f, 0.03f, toEnd));
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

Canvas maskColourMap(const Canvas& face)
{
    Canvas soft = face.blurred(2, false);
    soft.modify([](const Colour& c, float, float) {
        return Colour{0.05f + 0.85f * c.r, 0.05f + 0.85f * c.g, 0.05f + 0.85f * c.b, 1};
    });
    return soft;
}
} // namespace assetgen
