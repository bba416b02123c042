#include "tools/assetgen/tones.h"

#include "tools/assetgen/tonecolours.h"

#include <cmath>

namespace assetgen
{
namespace
{
constexpr float kLoopSeconds = 1.0f;
constexpr float kTonePeak = 0.8f;
} // namespace

Timbre toneTimbre(ToneVoice voice)
{
    switch (voice)
    {
    case ToneVoice::Player:
        return {{{1, 1}, {2, 0.22f}, {3, 0.08f}}, 5, 0.06f};
    case ToneVoice::Hollow:
        return {{{1, 1}, {3, 0.45f}, {5, 0.25f}, {7, 0.12f}}, 3, 0.15f};
    case ToneVoice::Choir:
        // Whole-hertz detuning keeps the loop seamless; the beating gives the choir.
        return {{{1, 1}, {1, 0.55f, -2}, {1, 0.5f, 3}, {2, 0.2f}, {2, 0.15f, 5}, {3, 0.1f, -4}}, 0, 0};
    case ToneVoice::Glass:
        return {{{1, 1}, {2, 0.3f}, {3, 0.22f, 37}, {5, 0.12f, 61}, {8, 0.06f, 23}}, 2, 0.2f};
    }
    return {};
}

Sound toneLoop(ToneVoice voice, int tone)
{
    Sound sound = additive(toneTimbre(voice), static_cast<float>(toneFrequency(tone)), kLoopSeconds);
    sound.normalise(kTonePeak);
    return sound;
}
} // namespace assetgen
