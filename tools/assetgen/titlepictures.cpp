#include "tools/assetgen/titlepictures.h"

#include "tools/assetgen/textrenderer.h"
#include "tools/assetgen/tonecolours.h"

#include <algorithm>
#include <cmath>

namespace assetgen
{
Canvas textPlate(const TextRenderer& font, const TextPlate& plate)
{
    Canvas canvas(plate.width, plate.height, plate.transparentGround ? plate.ground.withAlpha(0) : plate.ground);
    int total = 0;
    for (int size : plate.sizes)
        total += size * 3 / 2;
    int baseline = (plate.height - total) / 2;
    for (size_t i = 0; i < plate.lines.size(); ++i)
    {
        baseline += plate.sizes[i] * 5 / 4;
        font.drawCentred(canvas, plate.lines[i], plate.sizes[i], plate.width / 2, baseline, plate.ink);
        baseline += plate.sizes[i] / 4;
    }
    if (plate.frame)
    {
        const float inset = 6, w = plate.width - inset, h = plate.height - inset;
        const Colour edge = plate.ink.withAlpha(0.55f);
        canvas.line(inset, inset, w, inset, 2, edge);
        canvas.line(w, inset, w, h, 2, edge);
        canvas.line(w, h, inset, h, 2, edge);
        canvas.line(inset, h, inset, inset, 2, edge);
    }
    return canvas;
}

Canvas engineLogo(const TextRenderer& font)
{
    Canvas canvas(256, 128, Colour{0, 0, 0, 0});
    const Colour staff = rgb(170, 170, 185);
    for (int line = 0; line < 5; ++line)
        canvas.line(48, 18.0f + line * 9, 208, 18.0f + line * 9, 1.5f, staff);
    for (int tone = 0; tone < kToneCount; ++tone)
        canvas.disc(72 + tone * 28.0f, 54.0f - tone * 9, 6, toneColour(tone), 1.2f);
    font.drawCentred(canvas, "TALVOREN", 30, 128, 104, rgb(225, 225, 235));
    return canvas;
}

Canvas titleLettering(const TextRenderer& font)
{
    Canvas letters(1024, 256, Colour{1, 0.9f, 0.7f, 0});
    font.drawCentred(letters, "Belgarune", 150, 512, 180, rgb(255, 244, 220));
    Canvas glow = letters.blurred(10, false);
    Canvas result(1024, 256, Colour{0.9f, 0.55f, 0.9f, 0});
    result.modify([&](const Colour&, float u, float v) {
        const int x = std::min(static_cast<int>(u * 1024), 1023), y = std::min(static_cast<int>(v * 256), 255);
        const Colour halo = rgb(200, 120, 255).withAlpha(std::min(1.0f, glow.at(x, y).a * 1.6f));
        Colour out = halo;
        const Colour& ink = letters.at(x, y);
        const float k = ink.a;
        out = mix(out, ink.withAlpha(1), k);
        out.a = std::max(halo.a, k);
        return out;
    });
    return result;
}
} // namespace assetgen
