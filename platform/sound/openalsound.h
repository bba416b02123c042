#pragma once
// A sound played through an OpenAL source.

#include "platform/sound/isound.h"
#include "platform/sound/isoundeffectcontrol.h"

#include <cstdint>
#include <memory>

namespace platform
{
namespace sound
{
struct Sample;
class SoundStream;
struct SharedContext;

//! Owned by references: the engine holds one while the sound is active, the
//! program one per handle. The source and the stream's buffers exist only
//! while the sound is active; finishing releases them under the engine's
//! lock, so the last drop never touches OpenAL. The methods ending in
//! "Locked" are the engine's and run under its lock; the ISound operations
//! take the lock themselves.
class OpenAlSound : public ISound, private ISoundEffectControl
{
public:
    OpenAlSound(std::shared_ptr<SharedContext> shared, bool is3D, const SoundVector& position, bool looped,
                bool enableSoundEffects);

    //! Plays a decoded sample; false when no source is available.
    bool startLocked(const Sample& sample, bool paused);
    //! Plays a stream; false when no source is available or nothing decodes.
    bool startLocked(std::unique_ptr<SoundStream> stream, bool paused);
    //! The engine's regular check: refills streams, notices the end and stops
    //! a paused sound nobody else holds. False once the sound has finished.
    bool serviceLocked();
    //! Stops and releases the source; the sound is finished.
    void finishLocked();

    void setIsPaused(bool paused) override;
    bool getIsPaused() const override;
    void stop() override;
    bool isFinished() override;
    void setVolume(float volume) override;
    float getVolume() const override;
    void setPosition(const SoundVector& position) override;
    void setMinDistance(float minDistance) override;
    bool setPlayPosition(unsigned int positionMs) override;
    ISoundEffectControl* getSoundEffectControl() override;

private:
    ~OpenAlSound() override;

    bool createSourceLocked();
    void beginLocked(bool paused);
    //! For a sound neither paused nor finished: false once its source has played out.
    bool isPlayingLocked();
    void applyPositionLocked();

    std::shared_ptr<SharedContext> m_shared;
    unsigned int m_source = 0;
    bool m_hasSource = false;
    std::unique_ptr<SoundStream> m_stream;
    std::int64_t m_frameCount = 0;
    int m_sampleRate = 0;
    const bool m_is3D;
    const bool m_looped;
    const bool m_effectsEnabled;
    bool m_paused = false;
    bool m_finished = false;
    float m_volume = 1.0f;
    float m_minDistance = 1.0f;
    SoundVector m_position;
};
} // namespace sound
} // namespace platform
