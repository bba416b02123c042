#pragma once
// A sound engine that plays nothing and keeps every sound it hands out, so a
// test can read what was done to them.

#include "platform/sound/isound.h"
#include "platform/sound/isoundengine.h"
#include "platform/sound/soundref.h"

#include <algorithm>
#include <string>
#include <vector>

namespace logictest
{
using platform::sound::ISoundEffectControl;
using platform::sound::SoundVector;
using platform::sound::StreamMode;

class FakeSound : public platform::sound::ISound
{
public:
    void setIsPaused(bool isPaused) override { paused = isPaused; }
    bool getIsPaused() const override { return paused; }
    void stop() override { stopped = true; }
    bool isFinished() override { return stopped; }
    void setVolume(float newVolume) override { volume = newVolume; }
    float getVolume() const override { return volume; }
    void setPosition(const SoundVector& newPosition) override { position = newPosition; }
    void setMinDistance(float distance) override { minDistance = distance; }
    bool setPlayPosition(unsigned int positionMs) override
    {
        rewinds += positionMs == 0 ? 1 : 0;
        return true;
    }
    ISoundEffectControl* getSoundEffectControl() override { return nullptr; }

    std::string file;
    bool is3D = false;
    bool looped = false;
    bool paused = false;
    bool stopped = false;
    float volume = 1.0f;
    float minDistance = 1.0f;
    SoundVector position;
    int rewinds = 0;
};

//! Keeps a reference to each sound it starts; refused files give no sound.
class FakeSoundEngine : public platform::sound::ISoundEngine
{
public:
    platform::sound::ISound* play2D(const char* fileName, bool looped, bool startPaused, bool track, StreamMode,
                                    bool) override
    {
        return make(fileName, SoundVector(), false, looped, startPaused, track);
    }
    platform::sound::ISound* play3D(const char* fileName, const SoundVector& position, bool looped,
                                    bool startPaused, bool track, StreamMode, bool) override
    {
        return make(fileName, position, true, looped, startPaused, track);
    }
    void stopAllSounds() override {}
    void setSoundVolume(float) override {}
    float getSoundVolume() const override { return 1.0f; }
    void setListenerPosition(const SoundVector&, const SoundVector&, const SoundVector&) override {}

    std::vector<std::string> refused;
    //! Every sound started, tracked or not, in order.
    std::vector<platform::sound::SoundRef<FakeSound>> sounds;

private:
    FakeSound* make(const char* fileName, const SoundVector& position, bool is3D, bool looped, bool paused,
                    bool track)
    {
        if (std::find(refused.begin(), refused.end(), fileName) != refused.end())
            return nullptr;
        auto* sound = new FakeSound;
        sound->file = fileName;
        sound->is3D = is3D;
        sound->looped = looped;
        sound->paused = paused;
        sound->position = position;
        sounds.emplace_back(sound);
        if (!track)
            return nullptr;
        sound->grab();
        return sound;
    }
};
} // namespace logictest
