#include "platform/sound/samplecache.h"

#include "platform/sound/albuffer.h"
#include "platform/sound/sounddecoder.h"

#include <AL/al.h>

#include <vector>

namespace platform
{
namespace sound
{
namespace
{
constexpr std::size_t kFramesPerRead = 16384;
}

const Sample* SampleCache::find(const std::string& fileName, bool mono) const
{
    const auto found = m_samples.find({fileName, mono});
    return found == m_samples.end() ? nullptr : &found->second;
}

const Sample* SampleCache::add(const std::string& fileName, bool mono, SoundDecoder& decoder)
{
    std::vector<std::int16_t> samples;
    std::int64_t frames = 0;
    while (const std::size_t got = decoder.read(samples, kFramesPerRead))
        frames += static_cast<std::int64_t>(got);

    ALuint buffer = 0;
    alGetError();
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR)
        return nullptr;
    if (!fillAlBuffer(buffer, decoder.getChannels(), decoder.getSampleRate(), samples))
    {
        alDeleteBuffers(1, &buffer);
        return nullptr;
    }
    Sample& sample = m_samples[{fileName, mono}];
    sample.buffer = buffer;
    sample.frameCount = frames;
    sample.sampleRate = decoder.getSampleRate();
    return &sample;
}

void SampleCache::clear()
{
    for (const auto& entry : m_samples)
        alDeleteBuffers(1, &entry.second.buffer);
    m_samples.clear();
}
} // namespace sound
} // namespace platform
