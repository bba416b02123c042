#pragma once
// The one place that answers whether there is a sound engine to play through.

namespace platform
{
namespace sound
{
class ISoundEngine;
}
} // namespace platform

namespace Talvoren
{
//! The device's sound engine, or null when there is no device, no sound
//! manager, or the sound library did not start. Every direct use of the
//! engine goes through here; handles played through a null engine are null
//! too and are kept and used only after a null check.
platform::sound::ISoundEngine* getSoundEngine();
//! Plays the file once, untracked, when there is an engine.
void playSoundOnce(const char* file);
} // namespace Talvoren
