#pragma once
// Decodes a sound file (WAV, Ogg Vorbis and the other formats of libsndfile) into 16-bit samples.

#include <cstdint>
#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace platform
{
namespace sound
{
//! Owns the open file. Output has one channel (mono requested, or more than
//! two in the file: all channels are averaged) or two.
class SoundDecoder
{
public:
    //! The path goes through resolvePath.
    SoundDecoder(const std::string& path, bool mono);
    ~SoundDecoder();
    SoundDecoder(const SoundDecoder&) = delete;
    SoundDecoder& operator=(const SoundDecoder&) = delete;

    //! False when the file is missing or cannot be decoded.
    bool isOpen() const { return m_file != nullptr; }
    int getChannels() const { return m_outputChannels; }
    int getSampleRate() const { return m_sampleRate; }
    std::int64_t getFrameCount() const { return m_frameCount; }

    //! Appends up to frameCount frames to samples (interleaved); returns the
    //! number of frames decoded, 0 at the end or on a read error.
    std::size_t read(std::vector<std::int16_t>& samples, std::size_t frameCount);
    //! Continues decoding at that frame; false when the file cannot seek there.
    bool seek(std::int64_t frame);

private:
    SNDFILE* m_file = nullptr;
    int m_fileChannels = 0;
    int m_outputChannels = 0;
    int m_sampleRate = 0;
    std::int64_t m_frameCount = 0;
    std::vector<float> m_readBuffer;
};
} // namespace sound
} // namespace platform
