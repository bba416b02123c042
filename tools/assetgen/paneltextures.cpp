#include "tools/assetgen/paneltextures.h"

#include "tools/assetgen/maths.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/stonetextures.h"
#include "tools/assetgen/textrenderer.h"
#include "tools/assetgen/tonecolours.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen
{
namespace
{
void drawEmblem(Canvas& canvas, const BannerStyle& style)
{
    const Colour& trim = style.trim;
    switch (style.emblem)
    {
    case BannerEmblem::None:
        break;
    case BannerEmblem::ToneDiscs:
        // A ring, so that the colours read as the instrument's tones and not as a melody.
        for (int tone = 0; tone < kToneCount; ++tone)
        {
            const float angle = 2 * kPi * tone / kToneCount;
            canvas.disc(128 + 36 * std::sin(angle), 110 - 36 * std::cos(angle), 11, toneColour(tone), 1.5f);
        }
        break;
    case BannerEmblem::Staff:
        for (int line = 0; line < 5; ++line)
            canvas.line(70, 70.0f + line * 14, 186, 70.0f + line * 14, 2, trim);
        for (size_t note = 0; note < style.melody.size(); ++note)
        {
            const float spacing = 104.0f / static_cast<float>(style.melody.size());
            const int tone = style.melody[note];
            canvas.disc(76 + spacing * (note + 0.5f), 126.0f - tone * 14, 7, toneColour(tone), 1.2f);
        }
        break;
    case BannerEmblem::Eye:
        for (float t = 0; t < 1; t += 0.005f)
        {
            const float x = 70 + 116 * t;
            const float h = 34 * std::sin(kPi * t);
            canvas.disc(x, 110 - h, 2.5f, trim);
            canvas.disc(x, 110 + h, 2.5f, trim);
        }
        canvas.disc(128, 110, 20, trim);
        canvas.disc(128, 110, 9, rgb(10, 5, 5));
        break;
    case BannerEmblem::Sun:
        for (int ray = 0; ray < 12; ++ray)
        {
            const float angle = ray * kPi / 6;
            canvas.line(128 + 30 * std::cos(angle), 110 + 30 * std::sin(angle), 128 + 60 * std::cos(angle),
                        110 + 60 * std::sin(angle), 6, trim);
        }
        canvas.disc(128, 110, 26, trim);
        break;
    }
}
//! A raised line of a relief, in unit coordinates of the picture.
struct Stroke
{
    float x0, y0, x1, y1, width;
};

std::vector<Stroke> figureStrokes()
{
    return {{0.5f, 0.25f, 0.5f, 0.26f, 0.055f},   // head
            {0.43f, 0.37f, 0.57f, 0.37f, 0.035f}, // shoulders
            {0.5f, 0.37f, 0.5f, 0.86f, 0.06f},    // robe
            {0.49f, 0.5f, 0.41f, 0.86f, 0.045f},  // robe's folds
            {0.51f, 0.5f, 0.59f, 0.86f, 0.045f},
            {0.44f, 0.38f, 0.36f, 0.5f, 0.03f},   // arm
            {0.36f, 0.5f, 0.33f, 0.38f, 0.025f},  // forearm
            {0.31f, 0.33f, 0.34f, 0.31f, 0.04f},  // the shell held up
            {0.56f, 0.38f, 0.6f, 0.56f, 0.03f}};  // other arm
}

std::vector<Stroke> treeStrokes()
{
    std::vector<Stroke> strokes = {{0.5f, 0.92f, 0.5f, 0.45f, 0.05f}};
    for (int branch = 0; branch < 6; ++branch)
    {
        const float side = branch % 2 == 0 ? -1.0f : 1.0f;
        const float y = 0.62f - 0.06f * branch;
        strokes.push_back({0.5f, y, 0.5f + side * (0.3f - 0.03f * branch), y - 0.12f, 0.025f});
    }
    for (float x : {0.36f, 0.64f})
        strokes.push_back({0.5f, 0.9f, x, 0.95f, 0.025f}); // roots
    return strokes;
}
} // namespace

Canvas banner(const BannerStyle& style)
{
    const PeriodicNoise weave(style.seed);
    Canvas canvas(256, 256, style.cloth.withAlpha(0));
    canvas.paint([&](float u, float v) {
        // Cloth between x 0.18..0.82, hanging from a rod at the top, swallow-tailed below.
        const float tail = 0.80f + 0.14f * std::fabs(u - 0.5f) / 0.32f;
        const bool inside = u > 0.18f && u < 0.82f && v > 0.06f && v < tail;
        const bool rod = v > 0.03f && v < 0.07f && u > 0.1f && u < 0.9f;
        if (rod)
            return rgb(70, 50, 30);
        if (!inside)
            return style.cloth.withAlpha(0);
        const float folds = 0.85f + 0.15f * std::sin(u * 40) + 0.08f * (weave.fbm(u, v, 32, 2) - 0.5f);
        const bool border = u < 0.22f || u > 0.78f || v > tail - 0.04f;
        return (border ? style.trim : style.cloth * folds).withAlpha(1);
    });
    drawEmblem(canvas, style);
    return canvas;
}

Canvas puzzleTile(std::uint32_t seed, PuzzleGlyph glyph, const Colour& colour)
{
    StoneStyle stone;
    stone.seed = seed;
    stone.layout = StoneLayout::Plain;
    stone.stone = rgb(105, 100, 95);
    stone.cracks = 0.1f;
    Canvas canvas = stoneSurface(stone);
    canvas.modify([&](const Colour& c, float u, float v) {
        const float x = u - 0.5f, y = v - 0.5f;
        float distance = 0; // signed distance to the glyph's outline, negative inside
        switch (glyph)
        {
        case PuzzleGlyph::Circle:
            distance = std::hypot(x, y) - 0.25f;
            break;
        case PuzzleGlyph::Square:
            distance = std::max(std::fabs(x), std::fabs(y)) - 0.22f;
            break;
        case PuzzleGlyph::Diamond:
            distance = (std::fabs(x) + std::fabs(y)) * 0.75f - 0.22f;
            break;
        case PuzzleGlyph::Triangle:
            // Apex at (0, -0.25), base corners at (+-0.225, 0.2).
            distance = std::max(y - 0.2f, 0.894f * std::fabs(x) - 0.447f * (y + 0.25f));
            break;
        }
        const float outline = 1 - smoothstep(0.012f, 0.025f, std::fabs(distance));
        const float frame = 1 - smoothstep(0.0f, 0.03f, 0.47f - std::max(std::fabs(x), std::fabs(y)));
        Colour out = mix(c, colour, outline * 0.9f);
        out = mix(out, c * 0.5f, frame);
        return out.withAlpha(1);
    });
    return canvas;
}

Canvas relief(std::uint32_t seed, ReliefMotif motif)
{
    const PeriodicNoise grain(seed);
    const std::vector<Stroke> strokes = motif == ReliefMotif::Figure ? figureStrokes() : treeStrokes();
    auto distance = [&](float u, float v) {
        float nearest = 1;
        for (const Stroke& s : strokes)
        {
            const float dx = s.x1 - s.x0, dy = s.y1 - s.y0;
            const float t = std::clamp(((u - s.x0) * dx + (v - s.y0) * dy) / std::max(dx * dx + dy * dy, 1e-6f), 0.0f, 1.0f);
            nearest = std::min(nearest, std::hypot(u - s.x0 - t * dx, v - s.y0 - t * dy) - s.width);
        }
        return nearest;
    };
    auto height = [&](float u, float v) {
        return smoothstep(0.02f, -0.02f, distance(u, v)) + 0.05f * grain.fbm(u, v, 16, 3);
    };
    Canvas canvas(256, 256);
    const float step = 1.5f / 256;
    canvas.paint([&](float u, float v) {
        const float arch = std::max(std::fabs(u - 0.5f) - 0.42f, v < 0.42f ? std::hypot(u - 0.5f, v - 0.42f) - 0.42f
                                                                         : std::max(v - 0.97f, -1.0f));
        if (arch > 0)
            return rgb(90, 85, 80, 0);
        const float dx = height(u + step, v) - height(u - step, v);
        const float dy = height(u, v + step) - height(u, v - step);
        const float light = 0.62f + 1.2f * (-dx - dy) + 0.12f * height(u, v);
        const float rim = arch > -0.02f ? 0.6f : 1.0f;
        const float g = std::clamp(light * rim, 0.1f, 1.2f);
        return Colour{0.55f * g, 0.52f * g, 0.48f * g, 1};
    });
    return canvas;
}

Canvas keystoneFace(const TextRenderer& font, const char* letter, const Colour& glow, bool lit)
{
    StoneStyle stone;
    stone.seed = static_cast<std::uint32_t>(letter[0]) * 17;
    stone.width = 128;
    stone.height = 256;
    stone.layout = StoneLayout::Plain;
    stone.stone = rgb(95, 98, 110);
    stone.cracks = 0.15f;
    Canvas canvas = stoneSurface(stone);
    Canvas engraving(128, 256, Colour{1, 1, 1, 0});
    font.drawCentred(engraving, letter, 110, 64, 170, Colour{1, 1, 1, 1});
    const Canvas halo = engraving.blurred(8, false);
    canvas.modify([&](const Colour& c, float u, float v) {
        const int x = std::min(static_cast<int>(u * 128), 127), y = std::min(static_cast<int>(v * 256), 255);
        const float carved = engraving.at(x, y).a;
        Colour out = mix(c, c * 0.35f, carved);
        if (lit)
        {
            out = mix(out * 1.3f, glow, std::min(1.0f, halo.at(x, y).a * 2.5f) * 0.85f);
            out = mix(out, Colour{1, 1, 0.9f, 1}, carved);
        }
        return out.withAlpha(1);
    });
    return canvas;
}

Canvas doorVeil(int variant, const Colour& colour)
{
    const PeriodicNoise shimmer(static_cast<std::uint32_t>(variant) * 31);
    Canvas canvas(128, 256);
    canvas.paint([&](float u, float v) {
        const float x = u - 0.5f, y = v - 0.5f;
        float pattern = 0;
        switch (variant % 4)
        {
        case 0: pattern = 0.5f + 0.5f * std::sin(40 * v); break;                             // bands
        case 1: pattern = 0.5f + 0.5f * std::sin(30 * std::hypot(x, y * 0.5f)); break;       // rings
        case 2: pattern = 0.5f + 0.5f * std::sin(25 * (std::fabs(x) + std::fabs(y * 0.5f))); break; // diamonds
        default: pattern = 0.5f + 0.5f * std::sin(30 * u) * std::sin(30 * v); break;          // lattice
        }
        const float n = shimmer.fbm(u, v, 4, 3);
        const float k = std::clamp(0.25f + 0.5f * pattern * n + 0.3f * n, 0.0f, 1.0f);
        return Colour{colour.r * k, colour.g * k, colour.b * k, 0.35f + 0.45f * k};
    });
    return canvas;
}
} // namespace assetgen
