#include "tools/assetgen/synth.h"

#include "tools/assetgen/random.h"

#include <algorithm>
#include <cmath>

namespace assetgen
{
namespace
{
constexpr double kTwoPi = 6.283185307179586;

float envelopeAt(const Envelope& e, float t, float holdUntil)
{
    if (t < e.attack)
        return t / e.attack;
    if (t < e.attack + e.decay)
        return 1 - (1 - e.sustain) * (t - e.attack) / e.decay;
    if (t < holdUntil)
        return e.sustain;
    return std::max(0.0f, e.sustain * (1 - (t - holdUntil) / e.release));
}

float onePoleCoefficient(float cutoffHz)
{
    return 1 - std::exp(static_cast<float>(-kTwoPi) * cutoffHz / kSampleRate);
}
} // namespace

Sound additive(const Timbre& timbre, float frequency, float seconds)
{
    Sound sound = Sound::silence(seconds);
    const size_t frames = sound.frames();
    for (const Partial& partial : timbre.partials)
    {
        const double step = kTwoPi * (frequency * partial.ratio + partial.offsetHz) / kSampleRate;
        for (size_t i = 0; i < frames; ++i)
            sound.samples[i] += partial.amplitude * static_cast<float>(std::sin(step * static_cast<double>(i)));
    }
    if (timbre.tremoloDepth > 0)
        for (size_t i = 0; i < frames; ++i)
        {
            const double phase = kTwoPi * timbre.tremoloHz * static_cast<double>(i) / kSampleRate;
            sound.samples[i] *= 1 - timbre.tremoloDepth * 0.5f * (1 - static_cast<float>(std::cos(phase)));
        }
    return sound;
}

Sound note(const Timbre& timbre, float frequency, float seconds, const Envelope& envelope)
{
    Sound sound = additive(timbre, frequency, seconds + envelope.release);
    for (size_t i = 0; i < sound.frames(); ++i)
        sound.samples[i] *= envelopeAt(envelope, static_cast<float>(i) / kSampleRate, seconds);
    return sound;
}

Sound glide(float from, float to, float seconds, int harmonics)
{
    Sound sound = Sound::silence(seconds);
    double phase = 0;
    const size_t frames = sound.frames();
    for (size_t i = 0; i < frames; ++i)
    {
        const float t = static_cast<float>(i) / frames;
        const float frequency = from * std::pow(to / from, t);
        phase += kTwoPi * frequency / kSampleRate;
        float value = 0;
        for (int h = 1; h <= harmonics; ++h)
            value += static_cast<float>(std::sin(phase * h)) / static_cast<float>(h * h);
        sound.samples[i] = value;
    }
    return sound;
}

Sound noise(std::uint32_t seed, float seconds)
{
    Random random(seed);
    Sound sound = Sound::silence(seconds);
    for (float& s : sound.samples)
        s = random.range(-1, 1);
    return sound;
}

void lowPass(Sound& sound, float cutoffHz)
{
    const float k = onePoleCoefficient(cutoffHz);
    for (int c = 0; c < sound.channels; ++c)
    {
        float state = 0;
        for (size_t i = 0; i < sound.frames(); ++i)
        {
            state += k * (sound.at(i, c) - state);
            sound.at(i, c) = state;
        }
    }
}

void bandPass(Sound& sound, float lowHz, float highHz)
{
    Sound low = sound;
    lowPass(low, lowHz);
    lowPass(sound, highHz);
    for (size_t i = 0; i < sound.samples.size(); ++i)
        sound.samples[i] -= low.samples[i];
}

void shape(Sound& sound, const Envelope& envelope)
{
    const float length = static_cast<float>(sound.frames()) / kSampleRate;
    for (size_t i = 0; i < sound.frames(); ++i)
    {
        const float gain = envelopeAt(envelope, static_cast<float>(i) / kSampleRate, length - envelope.release);
        for (int c = 0; c < sound.channels; ++c)
            sound.at(i, c) *= gain;
    }
}

void decayExponentially(Sound& sound, float timeConstant)
{
    for (size_t i = 0; i < sound.frames(); ++i)
    {
        const float gain = std::exp(-static_cast<float>(i) / kSampleRate / timeConstant);
        for (int c = 0; c < sound.channels; ++c)
            sound.at(i, c) *= gain;
    }
}

void reverb(Sound& sound, float roomSeconds, float wet)
{
    // Four parallel feedback combs with delays that share no common factor.
    const float delays[4] = {0.0297f, 0.0371f, 0.0411f, 0.0437f};
    const size_t tail = static_cast<size_t>(roomSeconds * kSampleRate);
    const size_t frames = sound.frames();
    Sound echoes = Sound::silence(0.0f, sound.channels);
    echoes.samples.assign((frames + tail) * static_cast<size_t>(sound.channels), 0.0f);
    for (int c = 0; c < sound.channels; ++c)
        for (float delaySeconds : delays)
        {
            const size_t delay = static_cast<size_t>((delaySeconds + 0.0011f * c) * kSampleRate);
            const float feedback = std::pow(0.001f, delaySeconds / roomSeconds);
            std::vector<float> line(frames + tail, 0.0f);
            for (size_t i = 0; i < line.size(); ++i)
            {
                const float input = i < frames ? sound.at(i, c) : 0.0f;
                line[i] = input + (i >= delay ? feedback * line[i - delay] : 0.0f);
                echoes.at(i, c) += 0.25f * (i >= delay ? line[i - delay] : 0.0f);
            }
        }
    lowPass(echoes, 3500);
    sound.samples.resize(echoes.samples.size(), 0.0f);
    for (size_t i = 0; i < sound.samples.size(); ++i)
        sound.samples[i] = sound.samples[i] * (1 - wet * 0.5f) + echoes.samples[i] * wet;
}

Sound panned(const Sound& mono, float pan)
{
    Sound stereo;
    stereo.channels = 2;
    stereo.samples.resize(mono.frames() * 2);
    const float left = std::sqrt(0.5f * (1 - pan)), right = std::sqrt(0.5f * (1 + pan));
    for (size_t i = 0; i < mono.frames(); ++i)
    {
        stereo.samples[2 * i] = mono.samples[i] * left;
        stereo.samples[2 * i + 1] = mono.samples[i] * right;
    }
    return stereo;
}
} // namespace assetgen
