#pragma once
// Creation of the sound engine.

#include "platform/sound/soundtypes.h"

namespace platform
{
namespace sound
{
class ISoundEngine;

//! Version text of this interface; createIrrKlangDevice refuses any other.
constexpr const char* kSoundLayerVersion = "1.4.0";
//! The option bits the program passes. The layer has one way of working (it
//! mixes and streams on a thread of its own) and accepts every value.
constexpr unsigned int kDefaultEngineOptions = 0x3D;

//! Opens the output device (null device name: the system's default) and
//! returns a new engine with one reference for the caller, or null when no
//! audio device can be opened or sdkVersion is not kSoundLayerVersion.
ISoundEngine* createIrrKlangDevice(OutputDriver driver = OutputDriver::kAutoDetect,
                                   unsigned int options = kDefaultEngineOptions, const char* deviceName = nullptr,
                                   const char* sdkVersion = kSoundLayerVersion);
} // namespace sound
} // namespace platform
