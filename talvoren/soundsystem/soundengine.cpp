#include "talvoren/soundsystem/soundengine.h"

#include "talvoren/ombeldevice.h"
#include "talvoren/soundsystem/soundmanager.h"

namespace Talvoren
{
platform::sound::ISoundEngine* getSoundEngine()
{
    if (!g_device)
        return nullptr;
    const SoundManager* soundManager = g_device->getSoundManager();
    return soundManager ? soundManager->m_engine.get() : nullptr;
}
} // namespace Talvoren
