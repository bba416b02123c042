#include "code/src/songs/songeffect.h"

#include "platform/sound/isoundengine.h"
#include "talvoren/soundsystem/soundengine.h"

#include <algorithm>

namespace Belgarune
{
void SongEffect::start(irr::s32 effect, irr::s32 nowMs, irr::s32 durationMs, const char* musicFile)
{
    m_start = nowMs;
    m_duration = durationMs;
    m_effect = effect;
    m_music.reset();
    if (platform::sound::ISoundEngine* engine = Talvoren::getSoundEngine())
        m_music = platform::sound::SoundRef<platform::sound::ISound>(engine->play2D(musicFile, false, false, true));
}

void SongEffect::end()
{
    m_effect = kNone;
    m_music.reset();
}

irr::f32 SongEffect::progress(irr::s32 nowMs) const
{
    if (m_duration <= 0)
        return 1.0f;
    return std::min(static_cast<irr::f32>(nowMs - m_start) / static_cast<irr::f32>(m_duration), 1.0f);
}

void SongEffect::pauseMusic(bool paused)
{
    if (m_music)
        m_music->setIsPaused(paused);
}
} // namespace Belgarune
