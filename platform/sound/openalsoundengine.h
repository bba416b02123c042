#pragma once
// The sound engine on an OpenAL device.

#include "platform/sound/isoundengine.h"
#include "platform/sound/samplecache.h"
#include "platform/sound/soundref.h"

#include <AL/alc.h>

#include <condition_variable>
#include <memory>
#include <thread>
#include <vector>

namespace platform
{
namespace sound
{
class OpenAlSound;
struct SharedContext;

//! Owns the OpenAL device and context, the decoded samples and one reference
//! to every active sound. A thread of its own refills streams every few
//! milliseconds and lets finished sounds go; it shares the engine's lock with
//! every call of the program.
class OpenAlSoundEngine : public ISoundEngine
{
public:
    //! Null when the device (null: the default one) cannot be opened.
    static OpenAlSoundEngine* open(const char* deviceName);

    ISound* play2D(const char* fileName, bool looped, bool startPaused, bool track, StreamMode streamMode,
                   bool enableSoundEffects) override;
    ISound* play3D(const char* fileName, const SoundVector& position, bool looped, bool startPaused, bool track,
                   StreamMode streamMode, bool enableSoundEffects) override;
    void stopAllSounds() override;
    void setSoundVolume(float volume) override;
    float getSoundVolume() const override;
    void setListenerPosition(const SoundVector& position, const SoundVector& lookDirection,
                             const SoundVector& upVector) override;

private:
    OpenAlSoundEngine(ALCdevice* device, ALCcontext* context);
    ~OpenAlSoundEngine() override;

    //! What play2D and play3D share.
    struct PlayRequest
    {
        const char* fileName;
        bool is3D;
        SoundVector position;
        bool looped;
        bool startPaused;
        bool track;
        StreamMode streamMode;
        bool enableSoundEffects;
    };
    ISound* play(const PlayRequest& request);
    //! Starts the sound from the cache, a whole decode or a stream.
    bool startLocked(OpenAlSound& sound, const PlayRequest& request);
    void runServiceThread();
    void serviceSoundsLocked();
    void finishAllLocked();

    ALCdevice* m_device;
    std::shared_ptr<SharedContext> m_shared;
    SampleCache m_samples;
    std::vector<SoundRef<OpenAlSound>> m_activeSounds;
    float m_volume = 1.0f;
    bool m_stopping = false;
    std::condition_variable m_wake;
    std::thread m_serviceThread;
};
} // namespace sound
} // namespace platform
