#include "platform/sound/openalsoundengine.h"

#include "platform/sound/openalsound.h"
#include "platform/sound/sharedcontext.h"
#include "platform/sound/sounddecoder.h"
#include "platform/sound/soundstream.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace platform
{
namespace sound
{
namespace
{
//! Files longer than this stream when the stream mode is automatic.
constexpr std::int64_t kStreamAfterSeconds = 5;
//! How often the service thread refills streams; the streams hold about 0.7 s.
constexpr std::chrono::milliseconds kServicePeriod(20);

bool shouldStream(StreamMode mode, const SoundDecoder& decoder)
{
    switch (mode)
    {
    case StreamMode::kStream:
        return true;
    case StreamMode::kNoStream:
        return false;
    case StreamMode::kAutoDetect:
        break;
    }
    return decoder.getFrameCount() > kStreamAfterSeconds * decoder.getSampleRate();
}

bool hasLength(const SoundVector& vector)
{
    return std::fabs(vector.x) + std::fabs(vector.y) + std::fabs(vector.z) > 0.0f;
}
} // namespace

OpenAlSoundEngine* OpenAlSoundEngine::open(const char* deviceName)
{
    ALCdevice* device = alcOpenDevice(deviceName);
    if (!device)
        return nullptr;
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (!context)
    {
        alcCloseDevice(device);
        return nullptr;
    }
    return new OpenAlSoundEngine(device, context);
}

OpenAlSoundEngine::OpenAlSoundEngine(ALCdevice* device, ALCcontext* context)
    : m_device(device), m_shared(std::make_shared<SharedContext>())
{
    m_shared->context = context;
    {
        ContextLock lock(*m_shared);
        alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
        alListenerf(AL_GAIN, m_volume);
    }
    m_serviceThread = std::thread([this] { runServiceThread(); });
}

OpenAlSoundEngine::~OpenAlSoundEngine()
{
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_serviceThread.join();

    ALCcontext* context = m_shared->context;
    {
        ContextLock lock(*m_shared);
        finishAllLocked();
        m_samples.clear();
        m_shared->context = nullptr;
        makeContextCurrent(nullptr);
    }
    alcDestroyContext(context);
    alcCloseDevice(m_device);
}

ISound* OpenAlSoundEngine::play2D(const char* fileName, bool looped, bool startPaused, bool track,
                                  StreamMode streamMode, bool enableSoundEffects)
{
    return play({fileName, false, SoundVector(), looped, startPaused, track, streamMode, enableSoundEffects});
}

ISound* OpenAlSoundEngine::play3D(const char* fileName, const SoundVector& position, bool looped, bool startPaused,
                                  bool track, StreamMode streamMode, bool enableSoundEffects)
{
    return play({fileName, true, position, looped, startPaused, track, streamMode, enableSoundEffects});
}

ISound* OpenAlSoundEngine::play(const PlayRequest& request)
{
    if (!request.fileName || !*request.fileName || (request.startPaused && !request.track))
        return nullptr;
    ContextLock lock(*m_shared);
    SoundRef<OpenAlSound> sound(new OpenAlSound(m_shared, request.is3D, request.position, request.looped,
                                                request.enableSoundEffects));
    if (!startLocked(*sound, request))
        return nullptr;
    m_activeSounds.push_back(sound);
    if (!request.track)
        return nullptr;
    sound->grab();
    return sound.get();
}

bool OpenAlSoundEngine::startLocked(OpenAlSound& sound, const PlayRequest& request)
{
    const bool mono = request.is3D;
    if (const Sample* sample = m_samples.find(request.fileName, mono))
        return sound.startLocked(*sample, request.startPaused);

    auto decoder = std::make_unique<SoundDecoder>(request.fileName, mono);
    if (!decoder->isOpen())
        return false;
    if (shouldStream(request.streamMode, *decoder))
        return sound.startLocked(std::make_unique<SoundStream>(std::move(decoder), request.looped),
                                 request.startPaused);
    const Sample* sample = m_samples.add(request.fileName, mono, *decoder);
    return sample && sound.startLocked(*sample, request.startPaused);
}

void OpenAlSoundEngine::stopAllSounds()
{
    ContextLock lock(*m_shared);
    finishAllLocked();
}

void OpenAlSoundEngine::finishAllLocked()
{
    for (const SoundRef<OpenAlSound>& sound : m_activeSounds)
        sound->finishLocked();
    m_activeSounds.clear();
}

void OpenAlSoundEngine::setSoundVolume(float volume)
{
    ContextLock lock(*m_shared);
    m_volume = std::max(volume, 0.0f);
    alListenerf(AL_GAIN, m_volume);
}

float OpenAlSoundEngine::getSoundVolume() const
{
    ContextLock lock(*m_shared);
    return m_volume;
}

void OpenAlSoundEngine::setListenerPosition(const SoundVector& position, const SoundVector& lookDirection,
                                            const SoundVector& upVector)
{
    ContextLock lock(*m_shared);
    // OpenAL is right-handed: the game's z axis points the other way.
    alListener3f(AL_POSITION, position.x, position.y, -position.z);
    if (!hasLength(lookDirection) || !hasLength(upVector))
        return;
    const ALfloat orientation[6] = {lookDirection.x, lookDirection.y, -lookDirection.z,
                                    upVector.x,      upVector.y,      -upVector.z};
    alListenerfv(AL_ORIENTATION, orientation);
}

void OpenAlSoundEngine::runServiceThread()
{
    std::unique_lock<std::mutex> lock(m_shared->mutex);
    makeContextCurrent(m_shared->context);
    while (!m_wake.wait_for(lock, kServicePeriod, [this] { return m_stopping; }))
        serviceSoundsLocked();
    makeContextCurrent(nullptr);
}

void OpenAlSoundEngine::serviceSoundsLocked()
{
    // Dropping the engine's reference may delete a sound; its destructor takes no lock.
    m_activeSounds.erase(std::remove_if(m_activeSounds.begin(), m_activeSounds.end(),
                                        [](const SoundRef<OpenAlSound>& sound) { return !sound->serviceLocked(); }),
                         m_activeSounds.end());
}
} // namespace sound
} // namespace platform
