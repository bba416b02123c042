#include "platform/sound/createsoundengine.h"

#include "platform/sound/openalsoundengine.h"

#include <cstring>

namespace platform
{
namespace sound
{
ISoundEngine* createIrrKlangDevice(OutputDriver, unsigned int, const char* deviceName, const char* sdkVersion)
{
    if (!sdkVersion || std::strcmp(sdkVersion, kSoundLayerVersion) != 0)
        return nullptr;
    return OpenAlSoundEngine::open(deviceName);
}
} // namespace sound
} // namespace platform
