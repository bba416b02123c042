#pragma once
// Test helper: a sound engine that records its plays and hands out sounds the
// test controls, optionally with a journal of what was released.

#include "platform/sound/isound.h"
#include "platform/sound/isoundengine.h"
#include "platform/sound/soundref.h"

#include <set>
#include <string>
#include <vector>

namespace testsupport
{
using platform::sound::ISound;
using platform::sound::ISoundEffectControl;
using platform::sound::ISoundEngine;
using platform::sound::SoundRef;
using platform::sound::SoundVector;
using platform::sound::StreamMode;
using Journal = std::vector<std::string>;

class FakeSound : public ISound
{
public:
    explicit FakeSound(Journal* journal = nullptr) : m_journal(journal) {}

    void setIsPaused(bool isPaused) override { paused = isPaused; }
    bool getIsPaused() const override { return paused; }
    void stop() override { stopped = true; }
    bool isFinished() override { return stopped; }
    void setVolume(float value) override { volume = value; }
    float getVolume() const override { return volume; }
    void setPosition(const SoundVector& value) override { position = value; }
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

private:
    ~FakeSound() override
    {
        if (m_journal)
            m_journal->push_back("sound released");
    }
    Journal* m_journal;
};

//! Records every play; hands out FakeSounds and keeps one reference to each
//! so that a test can see whether the manager released its own.
class FakeSoundEngine : public ISoundEngine
{
public:
    struct Play
    {
        std::string fileName;
        bool looped;
        bool startPaused;
        bool track;
        bool effects;
    };

    FakeSoundEngine() = default;
    explicit FakeSoundEngine(Journal& journal) : m_journal(&journal) {}

    ISound* play2D(const char* fileName, bool looped, bool startPaused, bool track, StreamMode,
                   bool enableSoundEffects) override
    {
        plays.push_back({fileName, looped, startPaused, track, enableSoundEffects});
        return make(fileName, SoundVector(), false, looped, startPaused, track);
    }
    ISound* play3D(const char* fileName, const SoundVector& position, bool looped, bool startPaused, bool track,
                   StreamMode, bool) override
    {
        return make(fileName, position, true, looped, startPaused, track);
    }
    void stopAllSounds() override {}
    void setSoundVolume(float value) override { volume = value; }
    float getSoundVolume() const override { return volume; }
    void setListenerPosition(const SoundVector&, const SoundVector&, const SoundVector&) override {}

    //! Whether only the engine's own reference is left.
    bool onlyEngineHolds(std::size_t index) const { return sounds.at(index)->getReferenceCount() == 1; }

    //! Files the engine answers with null.
    std::set<std::string> unplayable{"missing.wav"};
    //! The 2D plays, in order.
    std::vector<Play> plays;
    //! Every sound started, tracked or not, in order.
    std::vector<SoundRef<FakeSound>> sounds;
    float volume = 1.0f;

private:
    ~FakeSoundEngine() override
    {
        sounds.clear();
        if (m_journal)
            m_journal->push_back("engine released");
    }

    FakeSound* make(const char* fileName, const SoundVector& position, bool is3D, bool looped, bool paused,
                    bool track)
    {
        if (unplayable.count(fileName))
            return nullptr;
        auto* sound = new FakeSound(m_journal);
        sound->file = fileName;
        sound->is3D = is3D;
        sound->looped = looped;
        sound->paused = paused;
        sound->position = position;
        sounds.emplace_back(sound);
        // An untracked sound gives its caller no handle.
        if (!track)
            return nullptr;
        sound->grab();
        return sound;
    }

    Journal* m_journal = nullptr;
};
} // namespace testsupport
