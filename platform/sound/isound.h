#pragma once
// A playing sound, as handed to the program by the sound engine.

#include "platform/sound/refcounted.h"
#include "platform/sound/soundvector.h"

namespace platform
{
namespace sound
{
class ISoundEffectControl;

//! The handle of one sound. The program owns the reference play2D or play3D
//! handed out and releases it with drop; the sound plays on after the drop
//! until it ends or is stopped (a paused sound whose last handle is dropped
//! can never resume and is stopped). Once finished, every operation on the
//! handle does nothing.
class ISound : public RefCounted
{
public:
    //! Pauses or resumes; a finished sound stays finished.
    virtual void setIsPaused(bool paused = true) = 0;
    virtual bool getIsPaused() const = 0;
    //! Stops for good and frees the sound's output channel.
    virtual void stop() = 0;
    //! True once a sound that does not loop has played to its end, or it was stopped.
    virtual bool isFinished() = 0;
    //! Linear gain; negative volumes count as 0.
    virtual void setVolume(float volume) = 0;
    virtual float getVolume() const = 0;
    //! Three-dimensional sounds only: where the sound is.
    virtual void setPosition(const SoundVector& position) = 0;
    //! Three-dimensional sounds only: up to this distance the sound plays at
    //! full volume; beyond it the volume falls as minDistance / distance.
    virtual void setMinDistance(float minDistance) = 0;
    //! Jumps to that many milliseconds from the start; false when the position
    //! lies beyond the end or the sound has finished.
    virtual bool setPlayPosition(unsigned int positionMs) = 0;
    //! Null unless the sound was played with sound effects enabled.
    virtual ISoundEffectControl* getSoundEffectControl() = 0;
};
} // namespace sound
} // namespace platform
