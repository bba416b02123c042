#include "platform/sound/soundstream.h"

#include "platform/sound/albuffer.h"
#include "platform/sound/sounddecoder.h"

#include <AL/al.h>

namespace platform
{
namespace sound
{
SoundStream::SoundStream(std::unique_ptr<SoundDecoder> decoder, bool looped)
    : m_decoder(std::move(decoder)), m_looped(looped)
{
}

SoundStream::~SoundStream() = default;

bool SoundStream::start(unsigned int source)
{
    alGetError();
    alGenBuffers(static_cast<ALsizei>(kBufferCount), m_buffers.data());
    if (alGetError() != AL_NO_ERROR)
        return false;
    m_created = true;
    m_idleBuffers.assign(m_buffers.begin(), m_buffers.end());
    queueIdleBuffers(source);
    ALint queued = 0;
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    return queued > 0;
}

bool SoundStream::update(unsigned int source, bool playing)
{
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed)
    {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source, 1, &buffer);
        m_idleBuffers.push_back(buffer);
    }
    queueIdleBuffers(source);

    ALint queued = 0;
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    if (queued == 0)
        return false;
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (playing && state == AL_STOPPED)
        alSourcePlay(source);
    return true;
}

bool SoundStream::seek(unsigned int source, std::int64_t frame, bool playing)
{
    if (!m_decoder->seek(frame))
        return false;
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, 0);
    m_idleBuffers.assign(m_buffers.begin(), m_buffers.end());
    queueIdleBuffers(source);
    if (playing)
        alSourcePlay(source);
    return true;
}

void SoundStream::release(unsigned int source)
{
    if (!m_created)
        return;
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, 0);
    alDeleteBuffers(static_cast<ALsizei>(kBufferCount), m_buffers.data());
    m_idleBuffers.clear();
    m_created = false;
}

std::int64_t SoundStream::getFrameCount() const
{
    return m_decoder->getFrameCount();
}

int SoundStream::getSampleRate() const
{
    return m_decoder->getSampleRate();
}

void SoundStream::queueIdleBuffers(unsigned int source)
{
    while (!m_idleBuffers.empty() && fill(m_idleBuffers.back()))
    {
        const ALuint buffer = m_idleBuffers.back();
        m_idleBuffers.pop_back();
        alSourceQueueBuffers(source, 1, &buffer);
    }
}

bool SoundStream::fill(unsigned int buffer)
{
    m_samples.clear();
    std::size_t frames = 0;
    bool rewound = false;
    while (frames < kFramesPerBuffer)
    {
        const std::size_t got = m_decoder->read(m_samples, kFramesPerBuffer - frames);
        if (got > 0)
        {
            frames += got;
            rewound = false;
            continue;
        }
        // At the end: a looped file starts again, unless it just did and gave nothing.
        if (!m_looped || rewound || !m_decoder->seek(0))
            break;
        rewound = true;
    }
    return frames > 0 && fillAlBuffer(buffer, m_decoder->getChannels(), m_decoder->getSampleRate(), m_samples);
}
} // namespace sound
} // namespace platform
