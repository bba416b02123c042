#pragma once
// A sound the sound manager tracks under the caller's id.

#include "platform/sound/isound.h"
#include "platform/sound/soundref.h"

#include <cstdint>

namespace Talvoren
{
//! Shared by the sound manager's list and the fades running on it. The handle
//! is empty once the sound was stopped through the manager.
struct SoundObject
{
    platform::sound::SoundRef<platform::sound::ISound> sound;
    std::int32_t id = 0;
};
} // namespace Talvoren
