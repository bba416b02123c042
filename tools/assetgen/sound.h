#pragma once
// Sampled sound: a buffer of frames and its writers (PCM WAV and Ogg Vorbis).

#include <string>
#include <vector>

namespace assetgen
{
constexpr int kSampleRate = 44100;

struct Sound
{
    int channels = 1;
    std::vector<float> samples; //!< interleaved, nominally within [-1, 1]

    //! A silent sound of the given length.
    static Sound silence(float seconds, int channels = 1);
    size_t frames() const { return samples.size() / channels; }
    float& at(size_t frame, int channel) { return samples[frame * channels + channel]; }
    //! Adds `other` (same channel count, mono is spread over every channel) from `startFrame`,
    //! growing this sound as needed.
    void mixIn(const Sound& other, size_t startFrame, float gain = 1.0f);
    //! Scales so that the largest magnitude is `peak`.
    void normalise(float peak);
    //! Wraps everything past `frames` onto the start (tails of a loop continue into its beginning).
    void foldIntoLoop(size_t frames);
    //! Raised-cosine fades over the first and last `seconds`: a sound played once starts and ends at silence.
    void fadeEnds(float seconds);
};

//! 16-bit PCM WAV through libsndfile.
bool writeWav(const Sound& sound, const std::string& path);
//! Ogg Vorbis at the given quality (0..1), with a fixed stream serial so the bytes repeat.
bool writeOggVorbis(const Sound& sound, const std::string& path, float quality);
} // namespace assetgen
