#pragma once
// Creates the sound engine, keeps the volumes, plays requested sounds and fades tracked ones.

#include "talvoren/ieventlistener.h"

#include "platform/sound/isoundengine.h"
#include "platform/sound/soundref.h"

#include <cstdint>
#include <memory>
#include <vector>

class FadeSoundEvent;
class PlaySoundEvent;

namespace Talvoren
{
struct SoundObject;

//! Held by the device through a shared pointer. Owns the engine and one
//! reference to every tracked sound; its destructor releases the tracked
//! handles (also those a running fade still holds) before the engine. Without
//! an engine (the sound library did not start) every operation does nothing.
class SoundManager : public IEventListener
{
public:
    //! Results of init.
    enum InitResult
    {
        kInitDone = 0,
        kInitEngineExists = 1,
        kInitEngineFailed = 2
    };

    SoundManager() = default;
    ~SoundManager() override;
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    //! Creates the engine; a second call changes nothing.
    InitResult init();
    //! The one answer to "is there an engine".
    bool hasEngine() const { return static_cast<bool>(m_engine); }

    const char* getName() override { return "SoundManager"; }
    //! Plays or fades on PlaySoundEvent and FadeSoundEvent; never consumes an event.
    bool handleEvent(const std::shared_ptr<IEventData>& event) override;

    //! The first tracked sound with that id, or empty.
    std::shared_ptr<SoundObject> findSound(std::int32_t id) const;
    //! Stops the first tracked sound with that id, releases its handle and
    //! forgets it; false when no tracked sound has the id.
    bool stopSound(std::int32_t id);
    const std::vector<std::shared_ptr<SoundObject>>& getTrackedSounds() const { return m_sounds; }

    //! The engine's overall volume.
    void setMasterVolume(float volume);
    //! Also applied to every tracked sound at once.
    void setTrackedVolume(float volume);
    //! Applies to untracked sounds played later.
    void setUntrackedVolume(float volume);
    //! Overall volume 1.0 or 0.0.
    void setSoundEnabled(bool enabled);

    //! Public: the game plays its own sounds and places the listener through
    //! it. Empty when the sound library did not start; ask hasEngine (or
    //! Talvoren::getSoundEngine) before any use.
    platform::sound::SoundRef<platform::sound::ISoundEngine> m_engine;

private:
    void play(const PlaySoundEvent& request);
    void fade(const FadeSoundEvent& request);

    //! In the order the sounds were started.
    std::vector<std::shared_ptr<SoundObject>> m_sounds;
    float m_trackedVolume = 1.0f;
    float m_untrackedVolume = 1.0f;
};
} // namespace Talvoren
