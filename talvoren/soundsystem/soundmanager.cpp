#include "talvoren/soundsystem/soundmanager.h"

#include "platform/sound/createsoundengine.h"
#include "platform/sound/isound.h"
#include "platform/textfile.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/processmanager/processmanager.h"
#include "talvoren/soundsystem/fadesoundevent.h"
#include "talvoren/soundsystem/fadesoundprocess.h"
#include "talvoren/soundsystem/playsoundevent.h"
#include "talvoren/soundsystem/soundobject.h"

#include <algorithm>

namespace Talvoren
{
using platform::sound::ISound;
using platform::sound::SoundRef;

namespace
{
auto findById(const std::vector<std::shared_ptr<SoundObject>>& sounds, std::int32_t id)
{
    return std::find_if(sounds.begin(), sounds.end(),
                        [id](const std::shared_ptr<SoundObject>& object) { return object->id == id; });
}
} // namespace

SoundManager::~SoundManager()
{
    for (const std::shared_ptr<SoundObject>& object : m_sounds)
        object->sound.reset();
    m_sounds.clear();
    m_engine.reset();
}

SoundManager::InitResult SoundManager::init()
{
    if (m_engine)
        return kInitEngineExists;
    m_engine = SoundRef<platform::sound::ISoundEngine>(platform::sound::createIrrKlangDevice(
        platform::sound::OutputDriver::kAutoDetect, platform::sound::kDefaultEngineOptions, nullptr,
        platform::sound::kSoundLayerVersion));
    return m_engine ? kInitDone : kInitEngineFailed;
}

bool SoundManager::handleEvent(const std::shared_ptr<IEventData>& event)
{
    if (!event || !m_engine)
        return false;
    // Types compare by hash alone; the cast guards against another class whose name hashes alike.
    if (event->getEventType() == PlaySoundEvent::kEventType)
    {
        if (const auto* request = dynamic_cast<const PlaySoundEvent*>(event.get()))
            play(*request);
    }
    else if (event->getEventType() == FadeSoundEvent::kEventType)
    {
        if (const auto* request = dynamic_cast<const FadeSoundEvent*>(event.get()))
            fade(*request);
    }
    return false;
}

void SoundManager::play(const PlaySoundEvent& request)
{
    const std::string fileName = platform::narrow(request.file.c_str());
    SoundRef<ISound> sound(m_engine->play2D(fileName.c_str(), request.loop, true, true,
                                            platform::sound::StreamMode::kAutoDetect, true));
    if (!sound)
        return;
    if (request.id == PlaySoundEvent::kUntracked)
    {
        // Plays on by itself; the handle is released when this function returns.
        sound->setVolume(m_untrackedVolume);
        sound->setIsPaused(false);
        return;
    }
    sound->setVolume(request.volume < 1.0f ? request.volume * m_trackedVolume : m_trackedVolume);
    stopSound(request.id);
    sound->setIsPaused(false);
    auto object = std::make_shared<SoundObject>();
    object->sound = std::move(sound);
    object->id = request.id;
    m_sounds.push_back(std::move(object));
}

void SoundManager::fade(const FadeSoundEvent& request)
{
    const std::shared_ptr<SoundObject> object = findSound(request.soundId);
    if (!object || !g_device)
        return;
    g_device->getProcessManager()->attach(std::make_shared<FadeSoundProcess>(
        object, static_cast<std::int32_t>(request.durationMs), request.targetVolume, request.stopAtEnd));
}

std::shared_ptr<SoundObject> SoundManager::findSound(std::int32_t id) const
{
    const auto found = findById(m_sounds, id);
    return found == m_sounds.end() ? nullptr : *found;
}

bool SoundManager::stopSound(std::int32_t id)
{
    const auto found = findById(m_sounds, id);
    if (found == m_sounds.end())
        return false;
    // A fade still running on the object sees the empty handle and only lets its time run out.
    if (SoundObject& object = **found; object.sound)
    {
        object.sound->stop();
        object.sound.reset();
    }
    m_sounds.erase(found);
    return true;
}

void SoundManager::setMasterVolume(float volume)
{
    if (m_engine)
        m_engine->setSoundVolume(volume);
}

void SoundManager::setTrackedVolume(float volume)
{
    m_trackedVolume = volume;
    for (const std::shared_ptr<SoundObject>& object : m_sounds)
        if (object->sound)
            object->sound->setVolume(volume);
}

void SoundManager::setUntrackedVolume(float volume)
{
    m_untrackedVolume = volume;
}

void SoundManager::setSoundEnabled(bool enabled)
{
    setMasterVolume(enabled ? 1.0f : 0.0f);
}
} // namespace Talvoren
