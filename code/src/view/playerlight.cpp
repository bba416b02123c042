#include "code/src/view/playerlight.h"

#include "code/src/view/tonecolors.h"

#include <algorithm>

namespace Belgarune
{
namespace
{
//! Above this darkness the light widens, up to five times at full darkness.
const irr::f32 kWideningDarkness = 0.8f;
const irr::f32 kWideningSpan = 0.2f;
const irr::f32 kMaxWidening = 4.0f;
const irr::f32 kGlowRisePerMs = 0.001f;
const irr::f32 kGlowFallPerMs = 0.00025f;
} // namespace

irr::f32 raisedGlow(irr::f32 glow, irr::u32 frameMs)
{
    return std::min(1.0f, glow + static_cast<irr::f32>(frameMs) * kGlowRisePerMs);
}

irr::f32 loweredGlow(irr::f32 glow, irr::u32 frameMs)
{
    return std::max(0.0f, glow - static_cast<irr::f32>(frameMs) * kGlowFallPerMs);
}

PlayerLight computePlayerLight(const irr::f32 (&glows)[kGlowCount], bool violinKey, irr::f32 lightShift,
                               irr::f32 darkness)
{
    irr::f32 red = 0.0f;
    irr::f32 green = 0.0f;
    irr::f32 blue = 0.0f;
    if (violinKey)
    {
        for (irr::u32 tone = 0; tone < kToneCount; ++tone)
        {
            const irr::video::SColor colour = toneColor(tone);
            red += glows[tone] * static_cast<irr::f32>(colour.getRed());
            green += glows[tone] * static_cast<irr::f32>(colour.getGreen());
            blue += glows[tone] * static_cast<irr::f32>(colour.getBlue());
        }
        red /= 255.0f;
        green /= 255.0f;
        blue /= 255.0f;
    }
    irr::f32 strength = red + blue + green;
    if (lightShift > 0.0f)
    {
        red = std::min(1.0f, red + lightShift);
        green = std::min(1.0f, green + lightShift);
        blue -= lightShift;
        strength -= 1.5f * lightShift;
    }
    irr::f32 widening = 1.0f;
    if (darkness > kWideningDarkness)
        widening += (darkness - kWideningDarkness) / kWideningSpan * kMaxWidening;

    PlayerLight light;
    light.colour = irr::video::SColorf(1.0f + red, 1.0f + green, 1.0f + blue, 1.0f);
    light.radius = widening + 0.2f * strength;
    return light;
}
} // namespace Belgarune
