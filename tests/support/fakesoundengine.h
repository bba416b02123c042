#pragma once
// Test helper: a sound engine that records its plays and hands out sounds the
// test controls, with a journal of what was released.

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
    explicit FakeSound(Journal& journal) : m_journal(journal) {}

    void setIsPaused(bool isPaused) override { paused = isPaused; }
    bool getIsPaused() const override { return paused; }
    void stop() override { stopped = true; }
    bool isFinished() override { return stopped; }
    void setVolume(float value) override { volume = value; }
    float getVolume() const override { return volume; }
    void setPosition(const SoundVector&) override {}
    void setMinDistance(float) override {}
    bool setPlayPosition(unsigned int) override { return true; }
    ISoundEffectControl* getSoundEffectControl() override { return nullptr; }

    bool paused = false;
    bool stopped = false;
    float volume = 1.0f;

private:
    ~FakeSound() override { m_journal.push_back("sound released"); }
    Journal& m_journal;
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

    explicit FakeSoundEngine(Journal& journal) : m_journal(journal) {}

    ISound* play2D(const char* fileName, bool looped, bool startPaused, bool track, StreamMode,
                   bool enableSoundEffects) override
    {
        plays.push_back({fileName, looped, startPaused, track, enableSoundEffects});
        if (unplayable.count(fileName))
            return nullptr;
        auto* sound = new FakeSound(m_journal);
        sound->paused = startPaused;
        sounds.emplace_back(sound);
        // An untracked sound gives its caller no handle.
        if (!track)
            return nullptr;
        sound->grab();
        return sound;
    }
    ISound* play3D(const char*, const SoundVector&, bool, bool, bool, StreamMode, bool) override { return nullptr; }
    void stopAllSounds() override {}
    void setSoundVolume(float value) override { volume = value; }
    float getSoundVolume() const override { return volume; }
    void setListenerPosition(const SoundVector&, const SoundVector&, const SoundVector&) override {}

    //! Whether only the engine's own reference is left.
    bool onlyEngineHolds(std::size_t index) const { return sounds.at(index)->getReferenceCount() == 1; }

    //! Files play2D answers with null.
    std::set<std::string> unplayable{"missing.wav"};
    std::vector<Play> plays;
    std::vector<SoundRef<FakeSound>> sounds;
    float volume = 1.0f;

private:
    ~FakeSoundEngine() override
    {
        sounds.clear();
        m_journal.push_back("engine released");
    }
    Journal& m_journal;
};
} // namespace testsupport
