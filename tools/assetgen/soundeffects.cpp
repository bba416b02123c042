#include "tools/assetgen/soundeffects.h"

#include "tools/assetgen/random.h"
#include "tools/assetgen/synth.h"

#include <cmath>

namespace assetgen
{
namespace
{
constexpr float kEffectPeak = 0.85f;
//! Long enough to hide the step at either end, short enough to keep a crack's attack.
constexpr float kClickFadeSeconds = 0.004f;

size_t frameAt(float seconds) { return static_cast<size_t>(seconds * kSampleRate); }

//! Every effect is played once: it starts and ends at silence.
Sound finished(Sound sound, float peak = kEffectPeak)
{
    sound.fadeEnds(kClickFadeSeconds);
    sound.normalise(peak);
    return sound;
}

Sound noiseHit(std::uint32_t seed, float seconds, float cutoffHz, float timeConstant)
{
    Sound hit = noise(seed, seconds);
    lowPass(hit, cutoffHz);
    decayExponentially(hit, timeConstant);
    return hit;
}
} // namespace

Sound ambience(const AmbienceStyle& style)
{
    Random random(style.seed);
    Sound sound = Sound::silence(style.seconds);
    if (style.wind > 0)
    {
        Sound wind = noise(style.seed, style.seconds);
        bandPass(wind, 120, 600);
        shape(wind, {style.seconds * 0.3f, 0.1f, 1.0f, style.seconds * 0.4f});
        sound.mixIn(wind, 0, style.wind * 3);
    }
    if (style.droneHz > 0)
        sound.mixIn(note({{{1, 1}, {1.5f, 0.3f}, {2, 0.2f}}, 0.3f, 0.4f}, style.droneHz, style.seconds * 0.6f,
                         {style.seconds * 0.3f, 0.1f, 1.0f, style.seconds * 0.35f}),
                    0, 0.35f);
    for (int drip = 0; drip < style.drips; ++drip)
    {
        Sound drop = glide(random.range(900, 1500), random.range(1800, 2600), 0.12f, 2);
        decayExponentially(drop, 0.03f);
        reverb(drop, 1.2f, 0.5f);
        sound.mixIn(drop, frameAt(random.range(0.2f, style.seconds - 1.3f)), 0.25f);
    }
    for (int rattle = 0; rattle < static_cast<int>(style.metallic * 6); ++rattle)
    {
        Sound chain = noiseHit(style.seed + rattle, 0.15f, 6000, 0.02f);
        bandPass(chain, 2000, 7000);
        sound.mixIn(chain, frameAt(random.range(0.5f, style.seconds - 0.3f)), 0.6f);
    }
    if (style.whispers > 0)
    {
        Sound breath = noise(style.seed + 77, style.seconds * 0.5f);
        bandPass(breath, 700, 2500);
        for (size_t i = 0; i < breath.frames(); ++i)
            breath.samples[i] *= 0.5f + 0.5f * std::sin(static_cast<float>(i) * 6.2832f * 4.0f / kSampleRate);
        shape(breath, {0.6f, 0.1f, 1.0f, 0.8f});
        sound.mixIn(breath, frameAt(style.seconds * 0.3f), style.whispers);
    }
    reverb(sound, 2.0f, 0.4f);
    sound.samples.resize(frameAt(style.seconds));
    shape(sound, {0.3f, 0.1f, 1.0f, 0.6f});
    return finished(sound, 0.6f);
}

Sound eerieLaugh(std::uint32_t seed)
{
    Random random(seed);
    Sound sound = Sound::silence(3.0f);
    for (int pulse = 0; pulse < 7; ++pulse)
    {
        const float start = 0.1f + pulse * 0.28f;
        const float pitch = 720 - pulse * 55 + random.range(-15, 15);
        Sound ha = glide(pitch, pitch * 0.82f, 0.22f, 4);
        shape(ha, {0.02f, 0.05f, 0.7f, 0.12f});
        sound.mixIn(ha, frameAt(start));
    }
    reverb(sound, 2.5f, 0.6f);
    sound.samples.resize(frameAt(3.0f));
    shape(sound, {0.01f, 0.1f, 1.0f, 0.8f});
    return finished(sound);
}

Sound breakingWood(std::uint32_t seed)
{
    Random random(seed);
    Sound sound = Sound::silence(1.0f);
    for (int crack = 0; crack < 6; ++crack)
    {
        Sound snap = noiseHit(seed + crack, 0.25f, random.range(2500, 6000), random.range(0.01f, 0.04f));
        sound.mixIn(snap, frameAt(crack == 0 ? 0.0f : random.range(0.02f, 0.5f)), crack == 0 ? 1.0f : 0.5f);
    }
    Sound thump = glide(140, 60, 0.4f, 3);
    decayExponentially(thump, 0.08f);
    sound.mixIn(thump, 0, 0.6f);
    sound.samples.resize(frameAt(1.0f));
    return finished(sound);
}

Sound detectedStinger()
{
    const Timbre brass{{{1, 1}, {2, 0.5f}, {3, 0.35f}, {4, 0.2f}}, 0, 0};
    Sound sound = Sound::silence(1.1f);
    for (float pitch : {311.0f, 330.0f, 466.0f, 622.0f})
        sound.mixIn(note(brass, pitch, 0.6f, {0.005f, 0.15f, 0.5f, 0.4f}), 0, 0.4f);
    sound.mixIn(noiseHit(91, 0.3f, 3000, 0.05f), 0, 0.5f);
    reverb(sound, 1.0f, 0.3f);
    sound.samples.resize(frameAt(1.1f));
    return finished(sound);
}

Sound deepImpact(std::uint32_t seed)
{
    Sound sound = glide(90, 32, 2.0f, 3);
    decayExponentially(sound, 0.5f);
    sound.mixIn(noiseHit(seed, 0.6f, 400, 0.12f), 0, 0.8f);
    reverb(sound, 1.8f, 0.35f);
    sound.samples.resize(frameAt(2.0f));
    shape(sound, {0.003f, 0.1f, 1.0f, 0.3f});
    return finished(sound);
}

Sound menuBlip(Blip blip)
{
    const Timbre bell{{{1, 1}, {2, 0.3f}, {3, 0.1f}}, 0, 0};
    const Envelope quick{0.003f, 0.03f, 0.6f, 0.05f};
    Sound sound;
    switch (blip)
    {
    case Blip::Accept:
        sound = note(bell, 660, 0.07f, quick);
        sound.mixIn(note(bell, 990, 0.1f, quick), frameAt(0.08f));
        break;
    case Blip::Cancel:
        sound = note(bell, 520, 0.07f, quick);
        sound.mixIn(note(bell, 350, 0.1f, quick), frameAt(0.08f));
        break;
    case Blip::Cursor:
        sound = note(bell, 880, 0.03f, {0.002f, 0.01f, 0.5f, 0.03f});
        break;
    }
    return finished(sound, 0.95f);
}

Sound grindingStone(std::uint32_t seed)
{
    Sound sound = noise(seed, 2.0f);
    lowPass(sound, 300);
    for (size_t i = 0; i < sound.frames(); ++i)
        sound.samples[i] *= 0.6f + 0.4f * std::sin(static_cast<float>(i) * 6.2832f * 11.0f / kSampleRate);
    sound.mixIn(noiseHit(seed + 1, 0.8f, 250, 0.2f), frameAt(1.2f), 2.0f);
    sound.samples.resize(frameAt(2.0f));
    shape(sound, {0.2f, 0.1f, 1.0f, 0.3f});
    return finished(sound);
}

Sound gateOpening(std::uint32_t seed)
{
    Sound sound = glide(180, 260, 1.0f, 6);
    for (size_t i = 0; i < sound.frames(); ++i)
        sound.samples[i] *= 0.5f + 0.5f * std::sin(static_cast<float>(i) * 6.2832f * 17.0f / kSampleRate);
    shape(sound, {0.1f, 0.1f, 0.8f, 0.2f});
    Sound clank = noiseHit(seed, 0.5f, 5000, 0.06f);
    bandPass(clank, 800, 5000);
    sound.mixIn(clank, frameAt(1.0f), 3.0f);
    reverb(sound, 1.2f, 0.3f);
    sound.samples.resize(frameAt(1.5f));
    return finished(sound);
}
} // namespace assetgen
