#include "tools/assetgen/effecttextures.h"

#include "tools/assetgen/maths.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/random.h"

#include <algorithm>
#include <cmath>

namespace assetgen
{
Canvas grainedSurface(const GrainStyle& style)
{
    const PeriodicNoise noise(style.seed);
    Canvas canvas(style.size, style.size);
    canvas.paint([&](float u, float v) {
        const float along = style.vertical ? u : v;
        const float across = style.vertical ? v : u;
        // Stretched noise: fine across the grain, coarse along it.
        const float grain = noise.fbm(along, across * 0.125f, 32, 3);
        const float mottling = noise.fbm(u, v, 4, 3);
        float t = std::clamp(0.5f * grain + 0.5f * mottling, 0.0f, 1.0f);
        if (style.bands > 0)
            t = 0.6f * t + 0.4f * (0.5f + 0.5f * std::sin(2 * kPi * style.bands * across + 3 * mottling));
        return mix(style.base, style.streak, t).withAlpha(1);
    });
    return canvas;
}

Canvas rivetedPlates(const Canvas& metal, std::uint32_t seed)
{
    const PeriodicNoise noise(seed);
    const float size = static_cast<float>(metal.width());
    // Seams at a quarter and three quarters of the tile, so rivets never straddle its edge.
    auto seamDistance = [](float t) { return std::fabs(std::fmod(t + 0.25f, 0.5f) - 0.25f); };
    Canvas plates = metal;
    plates.modify([&](const Colour& c, float u, float v) {
        const float seam = std::min(seamDistance(u - 0.25f), seamDistance(v - 0.25f));
        // Bevelled plate edges: a dark groove with a lit rim on its upper-left side.
        const float groove = 1 - smoothstep(0.004f, 0.012f, seam);
        const float rim = smoothstep(0.012f, 0.02f, seam) * (1 - smoothstep(0.02f, 0.03f, seam));
        // Stains hang below the horizontal seams and fade downward.
        const float below = std::fmod(v - 0.25f + 1.0f, 0.5f);
        const float drip = noise.fbm(u * 1.0f, v * 0.25f, 16, 3) * (1 - smoothstep(0.0f, 0.35f, below));
        const float stain = smoothstep(0.45f, 0.65f, drip) * 0.8f;
        const float wear = noise.fbm(u, v, 8, 4);
        Colour out = c * (0.75f + 0.5f * wear);
        out = mix(out, rgb(60, 14, 10), stain);
        out = mix(out, out * 1.45f, rim * 0.6f);
        return mix(out, rgb(12, 10, 10), groove).withAlpha(1);
    });
    const Colour head = rgb(88, 84, 80), shine = rgb(170, 165, 155), shadow = rgb(15, 12, 12);
    for (float seam : {0.25f, 0.75f})
        for (int i = 0; i < 16; ++i)
        {
            const float along = (i + 0.5f) / 16 * size, across = seam * size;
            for (const auto& [x, y] : {std::pair{along, across + 7}, std::pair{along, across - 7},
                                       std::pair{across + 7, along}, std::pair{across - 7, along}})
            {
                plates.disc(x + 1, y + 1, 3.2f, shadow);
                plates.disc(x, y, 3, head);
                plates.disc(x - 0.8f, y - 0.8f, 1.2f, shine);
            }
        }
    return plates;
}

Canvas fogNoise(std::uint32_t seed, int size)
{
    const PeriodicNoise noise(seed);
    Canvas canvas(size, size);
    canvas.paint([&](float u, float v) {
        const float n = noise.fbm(u, v, 4, 5, 0.55f);
        const float g = std::clamp((n - 0.3f) * 1.8f, 0.0f, 1.0f);
        return Colour{g, g, g, 1};
    });
    return canvas;
}

Canvas softBlob(int size, float sharpness)
{
    Canvas canvas(size, size);
    canvas.paint([&](float u, float v) {
        const float r = std::hypot(u - 0.5f, v - 0.5f) * 2;
        const float g = std::pow(std::clamp(1 - r, 0.0f, 1.0f), sharpness);
        return Colour{g, g, g, g};
    });
    return canvas;
}

Canvas swirlNoise(std::uint32_t seed, int size)
{
    const PeriodicNoise noise(seed);
    Canvas canvas(size, size);
    canvas.paint([&](float u, float v) {
        const float warpU = noise.fbm(u, v, 3, 3) - 0.5f;
        const float warpV = noise.fbm(v, u, 3, 3) - 0.5f;
        const float n = noise.fbm(u + 0.4f * warpU, v + 0.4f * warpV, 6, 4);
        const float swirl = 0.5f + 0.5f * std::sin(12 * kPi * n);
        return Colour{0.5f + 0.4f * (swirl - 0.5f), 0.5f + 0.3f * (n - 0.5f), 0.6f + 0.35f * (swirl - 0.5f), 1};
    });
    return canvas;
}

Canvas bloodDrip(std::uint32_t seed, int variant)
{
    Random random(seed);
    Canvas canvas(32, 128, Colour{0.35f, 0.0f, 0.02f, 0});
    const Colour blood = rgb(120, 4, 10);
    const int drops = 2 + variant;
    for (int i = 0; i < drops; ++i)
    {
        const float x = random.range(9, 23);
        const float length = random.range(40, 110);
        const float width = random.range(2.5f, 5.0f);
        canvas.line(x, 4, x + random.range(-2, 2), length, width, blood);
        canvas.disc(x, length, width * 0.9f, blood);
    }
    canvas.disc(16, 6, 10, blood);
    return canvas;
}

Canvas radialGlow(int size, const Colour& colour, float falloff)
{
    Canvas canvas(size, size);
    canvas.paint([&](float u, float v) {
        const float r = std::hypot(u - 0.5f, v - 0.5f) * 2;
        const float g = std::exp(-falloff * r * r) * std::clamp((1 - r) * 4, 0.0f, 1.0f);
        return Colour{colour.r * g, colour.g * g, colour.b * g, g};
    });
    return canvas;
}
} // namespace assetgen
