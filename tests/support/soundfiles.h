#pragma once
// Test helpers for sound: tone files written with libsndfile, recorded output
// read back, and the OpenAL Soft configuration of a test process. Header only,
// so that benchmarks can use it too.

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <stdlib.h>

namespace testsupport
{
enum class ToneFormat
{
    kWav16,
    kOggVorbis
};

//! Writes a sine tone of that length; every channel carries the same signal.
void writeTone(const std::string& path, double seconds, int channels, ToneFormat format = ToneFormat::kWav16,
               double frequency = 441.0, double amplitude = 0.5);

//! A sound file read back as interleaved float samples.
struct Recording
{
    int channels = 0;
    int sampleRate = 0;
    std::vector<float> samples;

    long frames() const;
    //! Root mean square of one channel over the frames [from, to).
    double rms(int channel, long from, long to) const;
    //! First and last frame at which any channel exceeds threshold; -1 when none does.
    long firstAudibleFrame(float threshold = 0.01f) const;
    long lastAudibleFrame(float threshold = 0.01f) const;
    long framesOf(double seconds) const { return static_cast<long>(seconds * sampleRate); }
};

//! Reads a whole sound file; channels stays 0 when it cannot be read.
Recording readRecording(const std::string& path);

//! Prepares OpenAL Soft for a test process: writes a configuration file into
//! a temporary folder and points ALSOFT_CONF at it, sets ALSOFT_DRIVERS, and
//! points HOME and the XDG configuration folders there too.
//! OpenAL reads both once, at its first use, so a test file creates one of
//! these as a global object. The wave backend records into outputPath().
class OpenAlTestConfig
{
public:
    OpenAlTestConfig(const std::string& drivers, const std::string& extraGeneralLines = std::string());
    ~OpenAlTestConfig();
    OpenAlTestConfig(const OpenAlTestConfig&) = delete;
    OpenAlTestConfig& operator=(const OpenAlTestConfig&) = delete;

    const std::string& outputPath() const { return m_outputPath; }
    //! Bytes the wave backend has written into outputPath() so far.
    std::uintmax_t outputBytes() const;
    //! Waits until the wave backend has recorded that many more milliseconds
    //! than now, however slowly its thread runs; false after 30 s without.
    bool waitForOutput(int milliseconds) const;

private:
    std::string m_folder;
    std::string m_outputPath;
};

//! Sleeps the calling thread; the wave backend records in real time.
void sleepMs(int milliseconds);

//! Polls the condition until it holds; false when it still fails after timeoutMs.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 30000);

// Definitions.
inline void writeTone(const std::string& path, double seconds, int channels, ToneFormat format, double frequency,
               double amplitude)
{
    const int sampleRate = 44100;
    const double kPi = 3.14159265358979323846;
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format =
        format == ToneFormat::kWav16 ? (SF_FORMAT_WAV | SF_FORMAT_PCM_16) : (SF_FORMAT_OGG | SF_FORMAT_VORBIS);
    const std::filesystem::path target(path);
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path());
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    const long frames = static_cast<long>(seconds * sampleRate);
    std::vector<float> samples(static_cast<std::size_t>(frames * channels));
    for (long frame = 0; frame < frames; ++frame)
    {
        const double value = amplitude * std::sin(2.0 * kPi * frequency * frame / sampleRate);
        for (int channel = 0; channel < channels; ++channel)
            samples[static_cast<std::size_t>(frame * channels + channel)] = static_cast<float>(value);
    }
    // The Vorbis encoder behind libsndfile fails on very large single writes.
    const long chunk = 4096;
    for (long frame = 0; frame < frames; frame += chunk)
        sf_writef_float(file, &samples[static_cast<std::size_t>(frame * channels)], std::min(chunk, frames - frame));
    sf_close(file);
}

inline long Recording::frames() const
{
    return channels ? static_cast<long>(samples.size()) / channels : 0;
}

inline double Recording::rms(int channel, long from, long to) const
{
    from = std::max(from, 0L);
    to = std::min(to, frames());
    if (to <= from)
        return 0.0;
    double sum = 0.0;
    for (long frame = from; frame < to; ++frame)
    {
        const double value = samples[static_cast<std::size_t>(frame * channels + channel)];
        sum += value * value;
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

inline long Recording::firstAudibleFrame(float threshold) const
{
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (std::fabs(samples[i]) > threshold)
            return static_cast<long>(i) / channels;
    return -1;
}

inline long Recording::lastAudibleFrame(float threshold) const
{
    for (std::size_t i = samples.size(); i > 0; --i)
        if (std::fabs(samples[i - 1]) > threshold)
            return static_cast<long>(i - 1) / channels;
    return -1;
}

inline Recording readRecording(const std::string& path)
{
    Recording recording;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return recording;
    recording.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t got = sf_readf_float(file, recording.samples.data(), info.frames);
    recording.samples.resize(static_cast<std::size_t>(std::max<sf_count_t>(got, 0) * info.channels));
    recording.channels = info.channels;
    recording.sampleRate = info.samplerate;
    sf_close(file);
    return recording;
}

inline OpenAlTestConfig::OpenAlTestConfig(const std::string& drivers, const std::string& extraGeneralLines)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "belgarune-openal-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_folder = pattern;
    m_outputPath = m_folder + "/output.wav";
    // Plain stereo panning, float output without dither or limiter: levels stay measurable.
    std::ofstream(m_folder + "/alsoft.conf") << ("[general]\n"
                                         "channels = stereo\n"
                                         "sample-type = float32\n"
                                         "frequency = 44100\n"
                                         "stereo-mode = speakers\n"
                                         "hrtf = false\n"
                                         "output-limiter = false\n"
                                         "dither = false\n" +
                                             extraGeneralLines +
                                             "\n[wave]\n"
                                             "file = " +
                                             m_outputPath + "\n");
    ::setenv("ALSOFT_CONF", (m_folder + "/alsoft.conf").c_str(), 1);
    // OpenAL Soft also reads the user's own configuration; none of it may reach the test.
    ::setenv("HOME", m_folder.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", m_folder.c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", m_folder.c_str(), 1);
    ::setenv("ALSOFT_DRIVERS", drivers.c_str(), 1);
}

inline OpenAlTestConfig::~OpenAlTestConfig()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

inline std::uintmax_t OpenAlTestConfig::outputBytes() const
{
    std::error_code missing;
    const std::uintmax_t size = std::filesystem::file_size(m_outputPath, missing);
    return missing ? 0 : size;
}

inline bool OpenAlTestConfig::waitForOutput(int milliseconds) const
{
    // The configuration above: 44100 stereo frames of 4-byte floats a second.
    const std::uintmax_t target = outputBytes() + static_cast<std::uintmax_t>(milliseconds) * 44100 * 2 * 4 / 1000;
    return waitUntil([&] { return outputBytes() >= target; });
}

inline void sleepMs(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        sleepMs(5);
    }
    return true;
}
} // namespace testsupport
