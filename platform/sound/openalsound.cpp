#include "platform/sound/openalsound.h"

#include "platform/sound/samplecache.h"
#include "platform/sound/sharedcontext.h"
#include "platform/sound/soundstream.h"

#include <AL/al.h>

#include <algorithm>

namespace platform
{
namespace sound
{
OpenAlSound::OpenAlSound(std::shared_ptr<SharedContext> shared, bool is3D, const SoundVector& position, bool looped,
                         bool enableSoundEffects)
    : m_shared(std::move(shared)),
      m_is3D(is3D),
      m_looped(looped),
      m_effectsEnabled(enableSoundEffects),
      m_position(position)
{
}

// Every way out of the engine's list finishes the sound first, so nothing is left to release.
OpenAlSound::~OpenAlSound() = default;

bool OpenAlSound::startLocked(const Sample& sample, bool paused)
{
    if (!createSourceLocked())
        return false;
    alSourcei(m_source, AL_BUFFER, static_cast<ALint>(sample.buffer));
    alSourcei(m_source, AL_LOOPING, m_looped ? AL_TRUE : AL_FALSE);
    m_frameCount = sample.frameCount;
    m_sampleRate = sample.sampleRate;
    beginLocked(paused);
    return true;
}

bool OpenAlSound::startLocked(std::unique_ptr<SoundStream> stream, bool paused)
{
    if (!createSourceLocked())
        return false;
    m_stream = std::move(stream);
    if (!m_stream->start(m_source))
    {
        finishLocked();
        return false;
    }
    m_frameCount = m_stream->getFrameCount();
    m_sampleRate = m_stream->getSampleRate();
    beginLocked(paused);
    return true;
}

bool OpenAlSound::createSourceLocked()
{
    alGetError();
    alGenSources(1, &m_source);
    if (alGetError() != AL_NO_ERROR)
        return false;
    m_hasSource = true;
    if (m_is3D)
    {
        alSourcei(m_source, AL_SOURCE_RELATIVE, AL_FALSE);
        alSourcef(m_source, AL_REFERENCE_DISTANCE, m_minDistance);
        applyPositionLocked();
    }
    else
    {
        // Glued to the listener, without distance attenuation.
        alSourcei(m_source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(m_source, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(m_source, AL_ROLLOFF_FACTOR, 0.0f);
    }
    alSourcef(m_source, AL_GAIN, m_volume);
    return true;
}

void OpenAlSound::beginLocked(bool paused)
{
    m_paused = paused;
    if (!paused)
        alSourcePlay(m_source);
}

bool OpenAlSound::serviceLocked()
{
    if (m_finished)
        return false;
    // Paused and held by the engine alone: no one can resume it.
    const bool abandoned = m_paused && getReferenceCount() == 1;
    if (abandoned || (!m_paused && !isPlayingLocked()))
    {
        finishLocked();
        return false;
    }
    return true;
}

bool OpenAlSound::isPlayingLocked()
{
    if (m_stream)
        return m_stream->update(m_source, true);
    ALint state = AL_STOPPED;
    alGetSourcei(m_source, AL_SOURCE_STATE, &state);
    return state != AL_STOPPED;
}

void OpenAlSound::finishLocked()
{
    if (m_finished)
        return;
    m_finished = true;
    m_paused = false;
    if (m_hasSource)
    {
        alSourceStop(m_source);
        if (m_stream)
            m_stream->release(m_source);
        alSourcei(m_source, AL_BUFFER, 0);
        alDeleteSources(1, &m_source);
        m_hasSource = false;
    }
    m_stream.reset();
}

void OpenAlSound::setIsPaused(bool paused)
{
    ContextLock lock(*m_shared);
    if (m_finished)
        return;
    if (!m_paused && !isPlayingLocked())
    {
        finishLocked();
        return;
    }
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused)
        alSourcePause(m_source);
    else
        alSourcePlay(m_source);
}

bool OpenAlSound::getIsPaused() const
{
    ContextLock lock(*m_shared);
    return m_paused;
}

void OpenAlSound::stop()
{
    ContextLock lock(*m_shared);
    finishLocked();
}

bool OpenAlSound::isFinished()
{
    ContextLock lock(*m_shared);
    if (!m_finished && !m_paused && !isPlayingLocked())
        finishLocked();
    return m_finished;
}

void OpenAlSound::setVolume(float volume)
{
    ContextLock lock(*m_shared);
    m_volume = std::max(volume, 0.0f);
    if (m_hasSource)
        alSourcef(m_source, AL_GAIN, m_volume);
}

float OpenAlSound::getVolume() const
{
    ContextLock lock(*m_shared);
    return m_volume;
}

void OpenAlSound::setPosition(const SoundVector& position)
{
    ContextLock lock(*m_shared);
    m_position = position;
    if (m_hasSource && m_is3D)
        applyPositionLocked();
}

void OpenAlSound::applyPositionLocked()
{
    // OpenAL is right-handed: the game's z axis points the other way.
    alSource3f(m_source, AL_POSITION, m_position.x, m_position.y, -m_position.z);
}

void OpenAlSound::setMinDistance(float minDistance)
{
    ContextLock lock(*m_shared);
    m_minDistance = std::max(minDistance, 0.0f);
    if (m_hasSource && m_is3D)
        alSourcef(m_source, AL_REFERENCE_DISTANCE, m_minDistance);
}

bool OpenAlSound::setPlayPosition(unsigned int positionMs)
{
    ContextLock lock(*m_shared);
    if (m_finished)
        return false;
    const std::int64_t frame = static_cast<std::int64_t>(positionMs) * m_sampleRate / 1000;
    if (frame > m_frameCount)
        return false;
    if (m_stream)
        return m_stream->seek(m_source, frame, !m_paused);
    alGetError();
    alSourcei(m_source, AL_SAMPLE_OFFSET, static_cast<ALint>(frame));
    return alGetError() == AL_NO_ERROR;
}

ISoundEffectControl* OpenAlSound::getSoundEffectControl()
{
    return m_effectsEnabled ? static_cast<ISoundEffectControl*>(this) : nullptr;
}
} // namespace sound
} // namespace platform
