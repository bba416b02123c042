#include "talvoren/soundsystem/soundengine.h"

#include "platform/sound/isoundengine.h"
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

void playSoundOnce(const char* file)
{
    if (platform::sound::ISoundEngine* engine = getSoundEngine())
        engine->play2D(file, false, false, false);
}
} // namespace Talvoren
