#include "tools/assetgen/stonetextures.h"

#include "tools/assetgen/maths.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/random.h"

#include <algorithm>
#include <cmath>

namespace assetgen
{
namespace
{
//! Per-block facts at one pixel: distance to the nearest joint (tile units), an id, and a bevel light.
struct BlockSample
{
    float edgeDistance;
    std::uint32_t id;
    float bevel; //!< +1 near upper-left edges, -1 near lower-right edges
};

BlockSample blockAt(const StoneStyle& style, const PeriodicNoise& noise, float u, float v)
{
    if (style.layout == StoneLayout::Slabs)
    {
        const auto cells = noise.cells(u, v, style.columns);
        return {(cells.second - cells.nearest) / (2.0f * style.columns), cells.id, 0.0f};
    }
    if (style.layout == StoneLayout::Plain)
        return {1.0f, 0, 0.0f};
    const float rowF = v * style.rows;
    const int row = static_cast<int>(rowF);
    const float shift = (style.runningBond && row % 2 == 1) ? 0.5f : 0.0f;
    const float colF = u * style.columns + shift;
    const int column = static_cast<int>(std::floor(colF)) % style.columns;
    const float fx = colF - std::floor(colF), fy = rowF - static_cast<float>(row);
    const float dx = std::min(fx, 1 - fx) / style.columns;
    const float dy = std::min(fy, 1 - fy) / style.rows;
    const float bevel = (fx < 0.5f ? 1.0f : -1.0f) * (dx < dy ? 1.0f : 0.0f) +
                        (fy < 0.5f ? 1.0f : -1.0f) * (dy <= dx ? 1.0f : 0.0f);
    return {std::min(dx, dy), static_cast<std::uint32_t>(row * 131 + column * 7 + 1), bevel};
}

float hashUnit(std::uint32_t id, std::uint32_t seed)
{
    Random random(static_cast<std::uint64_t>(id) * 977 + seed);
    return random.uniform();
}
} // namespace

Canvas stoneSurface(const StoneStyle& style)
{
    const PeriodicNoise grain(style.seed), blotches(style.seed + 101), crackNoise(style.seed + 202);
    const float jointHalf = style.jointWidth * 0.5f;
    Canvas canvas(style.width, style.height);
    canvas.paint([&](float u, float v) {
        const BlockSample block = blockAt(style, crackNoise, u, v);
        const float tint = 1 + style.tintVariation * (2 * hashUnit(block.id, style.seed) - 1);
        const float detail = grain.fbm(u, v, 16, 4) - 0.5f;
        const float patches = blotches.fbm(u, v, 4, 3) - 0.5f;
        float light = tint + style.roughness * detail + 0.25f * patches;
        // Joint: dark mortar, with a lit upper-left rim and a shaded lower-right rim.
        const float jointMask = 1 - smoothstep(jointHalf, jointHalf * 1.8f, block.edgeDistance);
        const float rim = 1 - smoothstep(jointHalf * 1.8f, jointHalf * 4.0f, block.edgeDistance);
        light += 0.18f * block.bevel * rim;
        if (style.cracks > 0)
        {
            const float crackLine = std::fabs(crackNoise.fbm(u, v, 6, 3) - 0.5f);
            light -= style.cracks * (1 - smoothstep(0.0f, 0.012f, crackLine));
        }
        Colour surface = style.stone * std::max(light, 0.05f);
        surface.a = 1;
        return mix(surface, style.joint * (1 + 0.4f * detail), jointMask).withAlpha(1);
    });
    return canvas;
}

Canvas colourMap(const Canvas& surface)
{
    Canvas soft = surface.blurred(2, true);
    soft.modify([](const Colour& c, float, float) {
        return Colour{0.35f + 0.9f * c.r, 0.35f + 0.9f * c.g, 0.35f + 0.9f * c.b, 1};
    });
    return soft;
}

Canvas creepingDarkness(const Canvas& surface, std::uint32_t seed)
{
    const PeriodicNoise veins(seed);
    Canvas result = surface;
    result.modify([&](const Colour& c, float u, float v) {
        const float vein = std::fabs(veins.fbm(u, v, 5, 4) - 0.5f);
        const float glow = 1 - smoothstep(0.0f, 0.03f, vein);
        const Colour dark = c * 0.25f;
        return mix(dark, rgb(120, 40, 170), glow * 0.8f).withAlpha(1);
    });
    return result;
}

Canvas brightened(const Canvas& surface, float factor)
{
    Canvas result = surface;
    result.modify([&](const Colour& c, float, float) {
        return Colour{std::min(1.0f, c.r * factor), std::min(1.0f, c.g * factor), std::min(1.0f, c.b * factor), c.a};
    });
    return result;
}

Canvas overgrown(const Canvas& surface, const Colour& colour, std::uint32_t seed)
{
    const PeriodicNoise patches(seed);
    Canvas result = surface;
    result.modify([&](const Colour& c, float u, float v) {
        const float amount = smoothstep(0.55f, 0.7f, patches.fbm(u, v, 4, 4) + 0.25f * v - 0.12f);
        return mix(c, colour * (0.6f + 0.8f * c.luminance()), amount * 0.85f).withAlpha(1);
    });
    return result;
}

Canvas edgeTransition(const Canvas& centre, const Canvas& edges)
{
    Canvas result = centre;
    result.modify([&](const Colour& c, float u, float v) {
        const int x = std::min(static_cast<int>(u * edges.width()), edges.width() - 1);
        const int y = std::min(static_cast<int>(v * edges.height()), edges.height() - 1);
        const float towardEdge = smoothstep(0.15f, 0.48f, std::fabs(v - 0.5f));
        return mix(c, edges.at(x, y), towardEdge).withAlpha(1);
    });
    return result;
}

Canvas engravedRings(const Canvas& surface, const Colour& glow)
{
    Canvas result = surface;
    result.modify([&](const Colour& c, float u, float v) {
        const float r = std::hypot(u - 0.5f, v - 0.5f);
        const float ring = std::fabs(std::fmod(r * 8.0f + 0.25f, 1.0f) - 0.5f);
        const float groove = (1 - smoothstep(0.02f, 0.06f, ring)) * (1 - smoothstep(0.38f, 0.48f, r));
        return mix(c, glow, groove * 0.55f).withAlpha(1);
    });
    return result;
}
} // namespace assetgen
