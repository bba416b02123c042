// The generated sounds: tone loops at their pitches, seamless and audible; effects that start
// and end at silence; effects and music that decode with the lengths their triggers expect.
#include "tools/assetgen/assettable.h"
#include "tools/assetgen/tonecolours.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace
{
const std::string kGameDir = BELGARUNE_GAME_DIR;

struct Decoded
{
    int rate = 0;
    int channels = 0;
    std::vector<float> samples; //!< interleaved
    size_t frames() const { return channels ? samples.size() / channels : 0; }
    double seconds() const { return rate ? static_cast<double>(frames()) / rate : 0; }
};

Decoded decode(const std::string& path)
{
    Decoded sound;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return sound;
    sound.rate = info.samplerate;
    sound.channels = info.channels;
    sound.samples.resize(static_cast<size_t>(info.frames) * info.channels);
    sound.samples.resize(static_cast<size_t>(sf_readf_float(file, sound.samples.data(), info.frames)) * info.channels);
    sf_close(file);
    return sound;
}

//! Magnitude of one frequency over the whole (mono) sound.
double magnitudeAt(const std::vector<float>& samples, int rate, double frequency)
{
    const double k = 2 * std::cos(2 * M_PI * frequency / rate);
    double s1 = 0, s2 = 0;
    for (float x : samples)
    {
        const double s0 = x + k * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return std::sqrt(s1 * s1 + s2 * s2 - k * s1 * s2);
}

int dominantFrequency(const std::vector<float>& samples, int rate)
{
    int best = 0;
    double bestMagnitude = 0;
    for (int f = 100; f <= 2000; ++f)
    {
        const double m = magnitudeAt(samples, rate, f);
        if (m > bestMagnitude)
            bestMagnitude = m, best = f;
    }
    return best;
}

double rms(const std::vector<float>& samples)
{
    double sum = 0;
    for (float s : samples)
        sum += s * s;
    return std::sqrt(sum / std::max<size_t>(samples.size(), 1));
}

float peak(const std::vector<float>& samples)
{
    float largest = 0;
    for (float s : samples)
        largest = std::max(largest, std::fabs(s));
    return largest;
}

//! Largest jump between neighbouring frames of channel 0.
float largestStep(const Decoded& sound)
{
    float largest = 0;
    for (size_t i = 1; i < sound.frames(); ++i)
        largest = std::max(largest, std::fabs(sound.samples[i * sound.channels] - sound.samples[(i - 1) * sound.channels]));
    return largest;
}

float wrapStep(const Decoded& sound)
{
    return std::fabs(sound.samples.front() - sound.samples[(sound.frames() - 1) * sound.channels]);
}

//! `frames` frames from `firstFrame` on, every channel.
std::vector<float> window(const Decoded& sound, size_t firstFrame, size_t frames)
{
    const auto from = sound.samples.begin() + static_cast<std::ptrdiff_t>(firstFrame * sound.channels);
    return std::vector<float>(from, from + static_cast<std::ptrdiff_t>(frames * sound.channels));
}

TEST(ToneLoops, SteadyLoopsAtTheirPitches)
{
    for (const char* suffix : {"", "_mask1", "_mask2", "_mask3"})
        for (int tone = 0; tone < assetgen::kToneCount; ++tone)
        {
            const std::string name = std::string("sounds/") + assetgen::toneName(tone) + suffix + ".wav";
            const Decoded sound = decode(kGameDir + "/" + name);
            ASSERT_EQ(sound.channels, 1) << name << " is mono (played in 3D)";
            EXPECT_EQ(sound.rate, 44100) << name;
            EXPECT_NEAR(sound.seconds(), 1.0, 0.01) << name;
            EXPECT_GT(rms(sound.samples), 0.1) << name << " is audible";
            EXPECT_LT(std::fabs(sound.samples.front()), 0.01f) << name << " starts at a zero crossing";
            EXPECT_NEAR(dominantFrequency(sound.samples, sound.rate), assetgen::toneFrequency(tone), 3) << name;
            // Steady: the first and last tenth are equally loud.
            const size_t tenth = sound.frames() / 10;
            const double head = rms(window(sound, 0, tenth)), tail = rms(window(sound, sound.frames() - tenth, tenth));
            EXPECT_NEAR(head, tail, 0.25 * head) << name;
        }
}

//! The files of one family of the generator's table.
std::vector<std::string> filesOf(assetgen::AssetFamily family)
{
    std::vector<std::string> paths;
    for (const assetgen::AssetEntry& entry : assetgen::assetTable())
        if (entry.family == family)
            paths.push_back(entry.path);
    return paths;
}

TEST(GeneratedSounds, SoundsPlayedOnceStartAndEndAtSilence)
{
    const std::vector<std::string> files = filesOf(assetgen::AssetFamily::Sound);
    EXPECT_GE(files.size(), 18u);
    for (const std::string& path : files)
    {
        const Decoded sound = decode(kGameDir + "/" + path);
        ASSERT_GT(sound.frames(), 100u) << path;
        for (int c = 0; c < sound.channels; ++c)
        {
            EXPECT_LT(std::fabs(sound.samples[c]), 0.005f) << path << " clicks as it starts";
            EXPECT_LT(std::fabs(sound.samples[sound.samples.size() - sound.channels + c]), 0.005f)
                << path << " clicks as it stops";
        }
    }
}

TEST(GeneratedSounds, LoopsRunOnWithoutAStepOrAFade)
{
    const std::vector<std::string> files = filesOf(assetgen::AssetFamily::SoundLoop);
    EXPECT_EQ(files.size(), 4u * assetgen::kToneCount);
    for (const std::string& path : files)
    {
        const Decoded sound = decode(kGameDir + "/" + path);
        ASSERT_GT(sound.frames(), 4410u) << path;
        EXPECT_LE(wrapStep(sound), largestStep(sound) * 1.05f + 1e-4f) << path << " clicks at the loop point";
        // No fade dips the join: within 1 ms on either side the wave swings at a third of its peak.
        const float whole = peak(sound.samples);
        EXPECT_GT(peak(window(sound, 0, 44)), whole / 3) << path << " fades in";
        EXPECT_GT(peak(window(sound, sound.frames() - 44, 44)), whole / 3) << path << " fades out";
    }
}

TEST(ToneLoops, VoicesDiffer)
{
    // Same pitch, different timbre: the spectra above the fundamental are not alike.
    const Decoded player = decode(kGameDir + "/sounds/A.wav");
    const Decoded hollow = decode(kGameDir + "/sounds/A_mask1.wav");
    const double secondOverFirstPlayer = magnitudeAt(player.samples, 44100, 880) / magnitudeAt(player.samples, 44100, 440);
    const double thirdOverFirstHollow = magnitudeAt(hollow.samples, 44100, 1320) / magnitudeAt(hollow.samples, 44100, 440);
    const double secondOverFirstHollow = magnitudeAt(hollow.samples, 44100, 880) / magnitudeAt(hollow.samples, 44100, 440);
    EXPECT_GT(secondOverFirstPlayer, 0.1);
    EXPECT_LT(secondOverFirstHollow, 0.02) << "odd harmonics only";
    EXPECT_GT(thirdOverFirstHollow, 0.3);
}

TEST(SoundEffects, DecodeWithTheirLengths)
{
    struct Expected
    {
        const char* name;
        double minSeconds, maxSeconds;
    };
    const Expected effects[] = {
        {"ambience1.wav", 3, 8},   {"ambience2.wav", 3, 8},     {"ambience3.wav", 3, 8},
        {"ambience4.wav", 3, 8},   {"ambience5.wav", 3, 8},     {"ambience6.wav", 3, 8},
        {"ambience7.wav", 3, 8},   {"ambience8.wav", 3, 8},     {"ambience9.wav", 3, 8},
        {"sinister-child-laughing-2.wav", 2.5, 3.5}, {"breaking_wood.wav", 0.7, 1.3},
        {"detected.wav", 0.7, 1.3}, {"hit9.wav", 1.5, 2.5},      {"accept.wav", 0.05, 0.3},
        {"cancel.wav", 0.05, 0.3}, {"cursor.wav", 0.02, 0.3},   {"crusher.wav", 1, 3},
        {"gate.wav", 1, 2}};
    for (const Expected& e : effects)
    {
        const Decoded sound = decode(kGameDir + "/gamedata/music/" + e.name);
        ASSERT_GT(sound.frames(), 0u) << e.name;
        EXPECT_GE(sound.seconds(), e.minSeconds) << e.name;
        EXPECT_LE(sound.seconds(), e.maxSeconds) << e.name;
        EXPECT_GT(rms(sound.samples), 0.01) << e.name;
        EXPECT_LE(peak(sound.samples), 1.0f) << e.name;
    }
    // Menu blips are played at volume 0.1: they must be loud.
    for (const char* blip : {"accept.wav", "cancel.wav", "cursor.wav"})
    {
        const Decoded sound = decode(kGameDir + "/gamedata/music/" + blip);
        EXPECT_GT(peak(sound.samples), 0.8f) << blip;
    }
}

TEST(Music, DecodesWithTheLengthsOfItsUses)
{
    struct Expected
    {
        const char* name;
        int channels;
        double minSeconds, maxSeconds;
    };
    const Expected pieces[] = {{"flute.ogg", 1, 60, 120},      {"title_start.ogg", 2, 10, 20},
                               {"title_loop.ogg", 2, 30, 60},  {"wachstum.ogg", 2, 9, 11},
                               {"licht2.ogg", 2, 7, 9},        {"zeitbubble1.ogg", 2, 17, 19}};
    for (const Expected& e : pieces)
    {
        const Decoded music = decode(kGameDir + "/gamedata/music/" + e.name);
        ASSERT_GT(music.frames(), 0u) << e.name << " decodes";
        EXPECT_EQ(music.channels, e.channels) << e.name;
        EXPECT_GE(music.seconds(), e.minSeconds) << e.name;
        EXPECT_LE(music.seconds(), e.maxSeconds) << e.name;
        EXPECT_GT(rms(music.samples), 0.02) << e.name;
    }
}

TEST(Music, LoopsJoinWithoutAJump)
{
    for (const char* name : {"flute.ogg", "title_loop.ogg"})
    {
        const Decoded music = decode(kGameDir + "/gamedata/music/" + name);
        ASSERT_GT(music.frames(), 1000u) << name;
        // Lossy coding blurs single samples: compare with the typical step over the piece.
        EXPECT_LE(wrapStep(music), largestStep(music) * 0.8f) << name;
        // The level just before the loop point carries on just after it (10 ms each side).
        const size_t window = 441 * music.channels;
        const std::vector<float> start(music.samples.begin(), music.samples.begin() + window);
        const std::vector<float> end(music.samples.end() - window, music.samples.end());
        EXPECT_GT(rms(start), 0.5 * rms(end)) << name;
        EXPECT_LT(rms(start), 2.0 * rms(end)) << name;
    }
}
} // namespace
