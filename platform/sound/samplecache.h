#pragma once
// Sounds decoded whole, kept by file name for the engine's lifetime.

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace platform
{
namespace sound
{
class SoundDecoder;

//! One decoded file in an OpenAL buffer.
struct Sample
{
    unsigned int buffer = 0;
    std::int64_t frameCount = 0;
    int sampleRate = 0;
};

//! Owned by the engine. Its OpenAL buffers are deleted by clear, which the
//! engine calls under its context once no source uses them any more.
class SampleCache
{
public:
    SampleCache() = default;
    SampleCache(const SampleCache&) = delete;
    SampleCache& operator=(const SampleCache&) = delete;

    //! Null when the file has not been decoded for that channel layout yet.
    const Sample* find(const std::string& fileName, bool mono) const;
    //! Decodes the rest of the decoder's file into a new buffer kept under
    //! the name; null when nothing could be decoded or OpenAL refuses it.
    const Sample* add(const std::string& fileName, bool mono, SoundDecoder& decoder);
    void clear();

private:
    std::map<std::pair<std::string, bool>, Sample> m_samples;
};
} // namespace sound
} // namespace platform
