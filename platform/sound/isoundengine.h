#pragma once
// The sound engine: plays two- and three-dimensional sounds and places the listener.

#include "platform/sound/refcounted.h"
#include "platform/sound/soundtypes.h"
#include "platform/sound/soundvector.h"

namespace platform
{
namespace sound
{
class ISound;

//! Created by createIrrKlangDevice, released with drop. Releasing the engine
//! stops every sound; handles still held afterwards stay valid and finished.
//! Positions and directions are given in the game's left-handed coordinates.
class ISoundEngine : public RefCounted
{
public:
    //! Plays a file (WAV, Ogg Vorbis, and whatever else the decoder reads)
    //! without position. With track set the caller receives a handle with one
    //! reference of its own; without, the result is null and the sound plays
    //! to its end on its own (an untracked sound that would start paused could
    //! never be resumed and is not started). Null when the file cannot be
    //! played. Sound effects enabled make getSoundEffectControl answer.
    virtual ISound* play2D(const char* fileName, bool looped = false, bool startPaused = false, bool track = false,
                           StreamMode streamMode = StreamMode::kAutoDetect, bool enableSoundEffects = false) = 0;
    //! As play2D, at a place in the world; files with several channels are mixed to one.
    virtual ISound* play3D(const char* fileName, const SoundVector& position, bool looped = false,
                           bool startPaused = false, bool track = false,
                           StreamMode streamMode = StreamMode::kAutoDetect, bool enableSoundEffects = false) = 0;
    //! Stops every sound of the engine.
    virtual void stopAllSounds() = 0;
    //! Overall volume of every sound; negative volumes count as 0.
    virtual void setSoundVolume(float volume) = 0;
    virtual float getSoundVolume() const = 0;
    //! Places the listener; a look direction of zero length keeps the last orientation.
    virtual void setListenerPosition(const SoundVector& position, const SoundVector& lookDirection,
                                     const SoundVector& upVector = SoundVector(0.0f, 1.0f, 0.0f)) = 0;
};
} // namespace sound
} // namespace platform
