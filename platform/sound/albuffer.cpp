#include "platform/sound/albuffer.h"

#include <AL/al.h>

namespace platform
{
namespace sound
{
bool fillAlBuffer(unsigned int buffer, int channels, int sampleRate, const std::vector<std::int16_t>& samples)
{
    if (samples.empty())
        return false;
    const ALenum format = channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    alGetError();
    alBufferData(buffer, format, samples.data(), static_cast<ALsizei>(samples.size() * sizeof(std::int16_t)),
                 sampleRate);
    return alGetError() == AL_NO_ERROR;
}
} // namespace sound
} // namespace platform
