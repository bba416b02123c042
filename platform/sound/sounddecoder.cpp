#include "platform/sound/sounddecoder.h"

#include "platform/pathresolver.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace platform
{
namespace sound
{
namespace
{
std::int16_t toSample(float value)
{
    const float clamped = std::clamp(value, -1.0f, 1.0f);
    return static_cast<std::int16_t>(std::lrint(clamped * 32767.0f));
}
} // namespace

SoundDecoder::SoundDecoder(const std::string& path, bool mono)
{
    SF_INFO info{};
    m_file = sf_open(resolvePath(path).c_str(), SFM_READ, &info);
    if (!m_file)
        return;
    if (info.channels < 1 || info.samplerate < 1)
    {
        sf_close(m_file);
        m_file = nullptr;
        return;
    }
    m_fileChannels = info.channels;
    m_outputChannels = (mono || info.channels > 2) ? 1 : info.channels;
    m_sampleRate = info.samplerate;
    m_frameCount = info.frames;
}

SoundDecoder::~SoundDecoder()
{
    if (m_file)
        sf_close(m_file);
}

std::size_t SoundDecoder::read(std::vector<std::int16_t>& samples, std::size_t frameCount)
{
    if (!m_file || frameCount == 0)
        return 0;
    m_readBuffer.resize(frameCount * static_cast<std::size_t>(m_fileChannels));
    const sf_count_t got = sf_readf_float(m_file, m_readBuffer.data(), static_cast<sf_count_t>(frameCount));
    if (got <= 0)
        return 0;
    const std::size_t frames = static_cast<std::size_t>(got);
    samples.reserve(samples.size() + frames * static_cast<std::size_t>(m_outputChannels));
    for (std::size_t frame = 0; frame < frames; ++frame)
    {
        const float* in = &m_readBuffer[frame * static_cast<std::size_t>(m_fileChannels)];
        if (m_outputChannels == m_fileChannels)
        {
            for (int channel = 0; channel < m_fileChannels; ++channel)
                samples.push_back(toSample(in[channel]));
            continue;
        }
        float sum = 0.0f;
        for (int channel = 0; channel < m_fileChannels; ++channel)
            sum += in[channel];
        samples.push_back(toSample(sum / static_cast<float>(m_fileChannels)));
    }
    return frames;
}

bool SoundDecoder::seek(std::int64_t frame)
{
    if (!m_file || frame < 0 || frame > m_frameCount)
        return false;
    return sf_seek(m_file, static_cast<sf_count_t>(frame), SEEK_SET) >= 0;
}
} // namespace sound
} // namespace platform
