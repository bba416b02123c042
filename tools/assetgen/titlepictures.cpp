#include "tools/assetgen/titlepictures.h"

#include "tools/assetgen/maths.h"
#include "tools/assetgen/textrenderer.h"
#include "tools/assetgen/tonecolours.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace assetgen
{
namespace
{
constexpr int kSplashWidth = 512;
constexpr int kSplashHeight = 256;
const Colour kInk = rgb(235, 226, 205);
const Colour kGold = rgb(196, 158, 84);
const Colour kGlow = rgb(200, 120, 255);

//! Words in `font` with a soft violet halo, transparent around them.
Canvas glowingLettering(const TextRenderer& font, const std::string& text, int pixelSize, int width, int height,
                        int baseline)
{
    Canvas letters(width, height, Colour{1, 0.9f, 0.7f, 0});
    font.drawCentred(letters, text, pixelSize, width / 2, baseline, rgb(255, 244, 220));
    const Canvas glow = letters.blurred(std::max(2, pixelSize / 15), false);
    Canvas result(width, height, Colour{0.9f, 0.55f, 0.9f, 0});
    result.modify([&](const Colour&, float u, float v) {
        const int x = std::min(static_cast<int>(u * width), width - 1);
        const int y = std::min(static_cast<int>(v * height), height - 1);
        const Colour& ink = letters.at(x, y);
        Colour out = mix(kGlow.withAlpha(1), ink.withAlpha(1), ink.a);
        out.a = std::max(std::min(1.0f, glow.at(x, y).a * 1.6f), ink.a);
        return out;
    });
    return result;
}

//! Dark violet in the middle, black at the edges.
Canvas splashGround()
{
    Canvas canvas(kSplashWidth, kSplashHeight);
    canvas.paint([](float u, float v) {
        const float r = std::hypot((u - 0.5f) * 2, (v - 0.5f) * 2);
        return mix(rgb(30, 21, 42), rgb(0, 0, 0), smoothstep(0.15f, 0.95f, r));
    });
    return canvas;
}

//! A thin horizontal gold line that fades out toward both ends.
void goldRule(Canvas& canvas, float centreX, float y, float halfLength)
{
    for (int x = static_cast<int>(centreX - halfLength); x <= static_cast<int>(centreX + halfLength); ++x)
    {
        const float fade = 1 - smoothstep(0.5f, 1.0f, std::fabs(x + 0.5f - centreX) / halfLength);
        canvas.blend(x, static_cast<int>(y), kGold, fade);
        canvas.blend(x, static_cast<int>(y) + 1, kGold, 0.35f * fade);
    }
}

//! One line of letters spread `tracking` pixels apart, centred on `centreX`.
void drawTracked(Canvas& canvas, const TextRenderer& font, const std::string& text, int pixelSize, int centreX,
                 int baseline, int tracking, const Colour& colour)
{
    const int width = font.measure(text, pixelSize) + tracking * static_cast<int>(text.size() - 1);
    int pen = centreX - width / 2;
    for (char letter : text)
    {
        const std::string one(1, letter);
        font.draw(canvas, one, pixelSize, pen, baseline, colour);
        pen += font.measure(one, pixelSize) + tracking;
    }
}

//! A round gold-rimmed badge with a dark face; what it holds is drawn on top.
void badge(Canvas& canvas, float cx, float cy, float radius)
{
    canvas.disc(cx, cy, radius, rgb(14, 10, 20));
    canvas.ring(cx, cy, radius - 1.5f, 3, kGold);
    canvas.ring(cx, cy, radius - 7, 1.2f, kGold.withAlpha(0.7f));
}

//! The engine's emblem: a T whose bar is the staff's five lines in the tone colours and whose
//! stem ends in a note head, in a gold-rimmed badge.
void engineEmblem(Canvas& canvas, float cx, float cy, float radius)
{
    badge(canvas, cx, cy, radius);
    const float lineGap = 0.1f * radius, barTop = cy - 0.5f * radius, halfBar = 0.56f * radius;
    for (int tone = 0; tone < kToneCount; ++tone)
    {
        const float y = barTop + (kToneCount - 1 - tone) * lineGap;
        canvas.line(cx - halfBar, y, cx + halfBar, y, std::max(1.5f, 0.05f * radius), toneColour(tone));
    }
    const float stemTop = barTop - 0.05f * radius, headY = cy + 0.5f * radius;
    canvas.line(cx + 0.1f * radius, stemTop, cx + 0.1f * radius, headY - 0.05f * radius, 0.09f * radius, kInk);
    canvas.disc(cx - 0.02f * radius, headY, 0.15f * radius, kInk);
}

//! The sound emblem: a swelling and fading wave that runs through the tone colours, in a badge.
void soundEmblem(Canvas& canvas, float cx, float cy, float radius)
{
    badge(canvas, cx, cy, radius);
    const float left = cx - 0.72f * radius, span = 1.44f * radius, amplitude = 0.42f * radius;
    canvas.line(left, cy, left + span, cy, 1, kInk.withAlpha(0.25f));
    constexpr int kSteps = 160;
    auto at = [&](int step) {
        const float t = static_cast<float>(step) / kSteps;
        const float swell = std::pow(std::max(0.0f, std::sin(kPi * t)), 1.5f);
        return std::pair{left + span * t, cy - amplitude * swell * std::sin(2 * kPi * 5.5f * t)};
    };
    for (int step = 0; step < kSteps; ++step)
    {
        const float along = (kToneCount - 1) * static_cast<float>(step) / kSteps;
        const int tone = std::min(static_cast<int>(along), kToneCount - 2);
        const Colour colour = mix(toneColour(tone), toneColour(tone + 1), along - tone);
        const auto [x0, y0] = at(step);
        const auto [x1, y1] = at(step + 1);
        canvas.line(x0, y0, x1, y1, 3, colour);
    }
}
} // namespace

Canvas engineLogo(const TextRenderer& nameFont)
{
    Canvas canvas(256, 128, Colour{0, 0, 0, 0});
    engineEmblem(canvas, 128, 46, 42);
    drawTracked(canvas, nameFont, "TALVOREN", 22, 128, 118, 4, kInk);
    return canvas;
}

Canvas titleLettering(const TextRenderer& script)
{
    return glowingLettering(script, "Belgarune", 150, 1024, 256, 180);
}

Canvas gameSplash(const TextRenderer& script, const std::vector<int>& melody)
{
    Canvas canvas = splashGround();
    // A staff of five lines waving across the mark, fading at its ends.
    auto staffY = [](float x, int line) {
        return 176 + (line - 2) * 7.0f + 12 * std::sin(2 * kPi * (x - 40) / 432);
    };
    for (int line = 0; line < 5; ++line)
        for (float x = 40; x < 472; x += 2)
        {
            const float fade = 1 - smoothstep(0.6f, 1.0f, std::fabs(x + 1 - 256) / 216);
            canvas.line(x, staffY(x, line), x + 2, staffY(x + 2, line), 1.2f, kInk.withAlpha(0.4f * fade));
        }
    const float spacing = 340.0f / static_cast<float>(std::max<size_t>(melody.size(), 1));
    for (size_t note = 0; note < melody.size(); ++note)
    {
        const int tone = melody[note];
        const float x = 86 + spacing * (note + 0.5f), y = staffY(x, 4 - tone);
        canvas.disc(x, y, 8, rgb(20, 16, 26), 1.2f);
        canvas.disc(x, y, 6.5f, toneColour(tone), 1.2f);
        canvas.disc(x - 2, y - 2, 2, mix(toneColour(tone), Colour{1, 1, 1, 1}, 0.6f), 1.5f);
    }
    canvas.compose(glowingLettering(script, "Belgarune", 100, kSplashWidth, 160, 120), 0, 20);
    goldRule(canvas, 256, 222, 120);
    return canvas;
}

Canvas engineSplash(const TextRenderer& nameFont, const TextRenderer& captionFont)
{
    Canvas canvas = splashGround();
    engineEmblem(canvas, 140, 128, 78);
    drawTracked(canvas, nameFont, "TALVOREN", 32, 352, 128, 4, kInk);
    goldRule(canvas, 352, 146, 112);
    drawTracked(canvas, captionFont, "GAME ENGINE", 14, 352, 172, 4, kInk.withAlpha(0.7f));
    return canvas;
}

Canvas soundSplash(const TextRenderer& nameFont, const TextRenderer& captionFont)
{
    Canvas canvas = splashGround();
    soundEmblem(canvas, 140, 128, 78);
    drawTracked(canvas, captionFont, "SOUND", 14, 358, 88, 4, kInk.withAlpha(0.7f));
    nameFont.drawCentred(canvas, "OpenAL Soft", 34, 358, 130, kInk);
    goldRule(canvas, 358, 146, 112);
    nameFont.drawCentred(canvas, "libsndfile", 34, 358, 186, kInk);
    return canvas;
}
} // namespace assetgen
