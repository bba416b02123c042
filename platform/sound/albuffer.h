#pragma once
// Upload of decoded samples into an OpenAL buffer.

#include <cstdint>
#include <vector>

namespace platform
{
namespace sound
{
//! Fills the buffer with 16-bit samples of one or two interleaved channels;
//! false when OpenAL refuses them. Needs the engine's context to be current.
bool fillAlBuffer(unsigned int buffer, int channels, int sampleRate, const std::vector<std::int16_t>& samples);
} // namespace sound
} // namespace platform
