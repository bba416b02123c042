#include "tests/support/soundfiles.h"

#include "tests/support/tempdir.h"

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include <stdlib.h>

namespace testsupport
{
void writeTone(const std::string& path, double seconds, int channels, ToneFormat format, double frequency,
               double amplitude)
{
    const int sampleRate = 44100;
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = format == ToneFormat::kWav16 ? (SF_FORMAT_WAV | SF_FORMAT_PCM_16) : (SF_FORMAT_OGG | SF_FORMAT_VORBIS);
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
        const double value = amplitude * std::sin(2.0 * M_PI * frequency * frame / sampleRate);
        for (int channel = 0; channel < channels; ++channel)
            samples[static_cast<std::size_t>(frame * channels + channel)] = static_cast<float>(value);
    }
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
}

long Recording::frames() const
{
    return channels ? static_cast<long>(samples.size()) / channels : 0;
}

double Recording::rms(int channel, long from, long to) const
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

long Recording::firstAudibleFrame(float threshold) const
{
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (std::fabs(samples[i]) > threshold)
            return static_cast<long>(i) / channels;
    return -1;
}

long Recording::lastAudibleFrame(float threshold) const
{
    for (std::size_t i = samples.size(); i > 0; --i)
        if (std::fabs(samples[i - 1]) > threshold)
            return static_cast<long>(i - 1) / channels;
    return -1;
}

Recording readRecording(const std::string& path)
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

OpenAlTestConfig::OpenAlTestConfig(const std::string& drivers, const std::string& extraGeneralLines)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "belgarune-openal-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_folder = pattern;
    m_outputPath = m_folder + "/output.wav";
    // Plain stereo panning, float output without dither or limiter: levels stay measurable.
    writeFile(m_folder + "/alsoft.conf", "[general]\n"
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
    ::setenv("ALSOFT_DRIVERS", drivers.c_str(), 1);
}

OpenAlTestConfig::~OpenAlTestConfig()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

void sleepMs(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
} // namespace testsupport
