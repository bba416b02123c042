#pragma once
// The effect slots of a playing sound.

namespace platform
{
namespace sound
{
//! Handed out by ISound::getSoundEffectControl for sounds played with effects
//! enabled; it lives as long as its sound. The game keeps it but sets no
//! effect, so it offers no operation yet.
class ISoundEffectControl
{
protected:
    ~ISoundEffectControl() = default;
};
} // namespace sound
} // namespace platform
