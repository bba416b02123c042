#include "tools/assetgen/guipictures.h"

#include "tools/assetgen/maths.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/random.h"
#include "tools/assetgen/textrenderer.h"
#include "tools/assetgen/tonecolours.h"

#include <algorithm>
#include <cmath>

namespace assetgen
{
namespace
{
//! Implicit heart: negative inside; x, y in [-1.3, 1.3] with the point at the bottom.
float heartField(float x, float y)
{
    y = -y + 0.25f;
    const float a = x * x + y * y - 1;
    return a * a * a - x * x * y * y * y;
}

void drawHeart(Canvas& canvas, int left, bool full)
{
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
        {
            const float hx = (x + 0.5f - 32) / 24.0f, hy = (y + 0.5f - 32) / 24.0f;
            const float inner = heartField(hx * 1.18f, hy * 1.18f);
            const float outer = heartField(hx, hy);
            if (outer > 0)
                continue;
            const bool rim = inner > 0;
            Colour c = rim ? rgb(40, 10, 15) : (full ? rgb(200, 20, 40) : rgb(60, 40, 45, 110));
            if (!rim && full)
                c = mix(c, rgb(255, 140, 150), std::max(0.0f, 0.6f - std::hypot(hx + 0.35f, hy + 0.35f)));
            canvas.blend(left + x, y, c, 1);
        }
}
} // namespace

const float kStaffLanes[5] = {0.680f, 0.548f, 0.416f, 0.284f, 0.152f};

Canvas heartPair()
{
    Canvas canvas(128, 64, Colour{0, 0, 0, 0});
    drawHeart(canvas, 0, true);
    drawHeart(canvas, 64, false);
    return canvas;
}

Canvas noteHead(const Colour& colour)
{
    Canvas canvas(64, 64, colour.withAlpha(0));
    canvas.disc(32, 32, 28, rgb(20, 20, 25), 1.5f);
    canvas.disc(32, 32, 24, colour, 1.5f);
    canvas.disc(25, 25, 8, mix(colour, Colour{1, 1, 1, 1}, 0.6f), 4);
    return canvas;
}

Canvas staffLines(bool enabled)
{
    Canvas canvas(2048, 256, Colour{0, 0, 0, 0});
    canvas.paint([&](float u, float) {
        // A faint band behind the lanes, fading out at both ends.
        const float fade = smoothstep(0.0f, 0.08f, u) * smoothstep(1.0f, 0.92f, u);
        return Colour{0.05f, 0.03f, 0.08f, 0.45f * fade};
    });
    for (int tone = 0; tone < kToneCount; ++tone)
    {
        const float y = kStaffLanes[tone] * 256;
        const Colour lane = enabled ? mix(toneColour(tone), Colour{1, 1, 1, 1}, 0.55f) : rgb(110, 110, 110);
        canvas.line(60, y, 1988, y, enabled ? 4.0f : 3.0f, lane.withAlpha(enabled ? 0.9f : 0.5f));
    }
    const Colour bar = enabled ? rgb(235, 230, 220) : rgb(120, 120, 120);
    canvas.line(0.1f * 2048, 0.12f * 256, 0.1f * 2048, 0.72f * 256, 6, bar);
    return canvas;
}

Canvas clefBar(const TextRenderer& font)
{
    // Authored upright (256 x 128), then turned: the scene turns it back a quarter turn clockwise.
    Canvas upright(256, 128, Colour{0, 0, 0, 0});
    upright.paint([](float u, float v) {
        const float edge = std::min(std::min(u, 1 - u) * 2, std::min(v, 1 - v));
        return rgb(30, 22, 40).withAlpha(smoothstep(0.0f, 0.06f, edge) * 0.9f);
    });
    font.drawCentred(upright, "G H J K L", 34, 128, 78, rgb(230, 225, 210));
    return upright.turnedLeft();
}

Canvas mapFrame(std::uint32_t seed)
{
    const PeriodicNoise noise(seed);
    // Square for the picture node, drawn 4 : 3: the border is measured in drawn proportions.
    constexpr float kDrawnHeightOverWidth = 0.75f;
    Canvas canvas(512, 512);
    canvas.paint([&](float u, float v) {
        const float edge = std::min(std::min(u, 1 - u), kDrawnHeightOverWidth * std::min(v, 1 - v));
        const float n = noise.fbm(u, v, 8, 4);
        const Colour parchment = mix(rgb(90, 70, 45), rgb(160, 135, 95), n);
        const float border = smoothstep(0.02f, 0.06f, edge);
        const Colour framed = mix(rgb(40, 25, 15), parchment, border);
        // Rough torn outline: transparent beyond it.
        const float alpha = smoothstep(0.0f, 0.015f, edge - 0.02f * n);
        return framed.withAlpha(alpha * 0.92f);
    });
    return canvas;
}

Canvas deathOverlay(std::uint32_t seed)
{
    const PeriodicNoise noise(seed);
    Canvas canvas(512, 512);
    canvas.paint([&](float u, float v) {
        const float r = std::hypot(u - 0.5f, v - 0.5f) * 1.6f;
        const float n = noise.fbm(u, v, 6, 4);
        const float vignette = std::clamp(r * r + 0.3f * (n - 0.5f), 0.0f, 1.0f);
        return mix(rgb(90, 0, 5), rgb(5, 0, 0), vignette).withAlpha(std::clamp(0.35f + 0.65f * vignette, 0.0f, 1.0f));
    });
    Random random(seed);
    for (int crack = 0; crack < 9; ++crack)
    {
        float x = random.range(0, 512), y = random.below(2) ? 0.0f : 511.0f;
        if (crack % 3 == 0)
            std::swap(x, y);
        for (int step = 0; step < 14; ++step)
        {
            const float nx = x + random.range(-28, 28) + (256 - x) * 0.06f;
            const float ny = y + random.range(-28, 28) + (256 - y) * 0.06f;
            canvas.line(x, y, nx, ny, 2.5f - step * 0.15f, rgb(10, 0, 0, 230));
            x = nx, y = ny;
        }
    }
    return canvas;
}

Canvas menuOrnament(std::uint32_t seed)
{
    // Narrow, so the menu's values beside it keep their room.
    const PeriodicNoise noise(seed);
    Canvas canvas(16, 1024);
    canvas.paint([&](float u, float v) {
        const float x = std::fabs(u - 0.5f) * 2;
        const float thread = std::fabs(u - 0.5f - 0.3f * std::sin(v * 90));
        const float stem = 1 - smoothstep(0.12f, 0.3f, x);
        const float vine = 1 - smoothstep(0.04f, 0.1f, thread);
        const float n = noise.fbm(u, v, 8, 3);
        Colour c = mix(rgb(10, 8, 14), rgb(30, 22, 40), n);
        c = mix(c, rgb(150, 110, 60), std::max(stem, vine * 0.8f));
        return c.withAlpha(1);
    });
    for (int knot = 0; knot < 16; ++knot)
        canvas.disc(8, 32.0f + knot * 64, 5, rgb(200, 160, 60), 1.0f);
    return canvas;
}

Canvas songPlate(const TextRenderer& font, const std::string& name, const std::vector<int>& tones)
{
    Canvas canvas(512, 128, rgb(14, 10, 20));
    canvas.paint([](float u, float v) {
        const float edge = std::min(std::min(u * 4, (1 - u) * 4), std::min(v, 1 - v));
        return mix(rgb(60, 45, 30), rgb(18, 13, 24), smoothstep(0.0f, 0.06f, edge));
    });
    font.drawCentred(canvas, name, 30, 256, 44, rgb(230, 220, 200));
    for (int line = 0; line < 5; ++line)
        canvas.line(40, 66.0f + line * 10, 472, 66.0f + line * 10, 1.2f, rgb(120, 110, 100));
    const float spacing = 420.0f / std::max<size_t>(tones.size(), 1);
    for (size_t i = 0; i < tones.size(); ++i)
        canvas.disc(60 + spacing * (i + 0.5f), 106.0f - tones[i] * 10, 6.5f, toneColour(tones[i]), 1.2f);
    return canvas;
}
} // namespace assetgen
