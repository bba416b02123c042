#pragma once
// Test helpers for sound: tone files written with libsndfile, recorded output
// read back, and the OpenAL Soft configuration of a test process.

#include <string>
#include <vector>

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
//! a temporary folder and points ALSOFT_CONF at it, and sets ALSOFT_DRIVERS.
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

private:
    std::string m_folder;
    std::string m_outputPath;
};

//! Sleeps the calling thread; the wave backend records in real time.
void sleepMs(int milliseconds);
} // namespace testsupport
