#include "code/src/menu/titlemusic.h"

#include "platform/sound/isoundengine.h"
#include "talvoren/soundsystem/soundengine.h"

namespace Belgarune
{
namespace
{
const char* const kStartPiece = "gamedata/music/title_start.ogg";
const char* const kLoop = "gamedata/music/title_loop.ogg";

//! A tracked sound through the device's engine; empty without an engine.
platform::sound::SoundRef<platform::sound::ISound> playTracked(const char* file, bool looped, bool paused)
{
    platform::sound::ISoundEngine* engine = Talvoren::getSoundEngine();
    if (!engine)
        return platform::sound::SoundRef<platform::sound::ISound>();
    return platform::sound::SoundRef<platform::sound::ISound>(engine->play2D(file, looped, paused, true));
}
} // namespace

TitleMusic::TitleMusic()
    : m_music(playTracked(kStartPiece, false, true)), m_loopTried(false), m_musicStart(0), m_leaveTime(0)
{
}

void TitleMusic::enter(irr::u32 now)
{
    m_musicStart = now;
    if (m_music)
        m_music->setIsPaused(false);
}

void TitleMusic::updateShown(irr::u32 now)
{
    loopWhenFinished();
    const irr::u32 sinceStart = now - m_musicStart;
    if (m_music && sinceStart < kFadeMs)
        m_music->setVolume(static_cast<irr::f32>(sinceStart) / kFadeMs);
}

void TitleMusic::updateHidden(irr::u32 now)
{
    const irr::u32 sinceLeave = now - m_leaveTime;
    if (sinceLeave < kFadeMs)
    {
        loopWhenFinished();
        if (m_music)
            m_music->setVolume(1.0f - static_cast<irr::f32>(sinceLeave) / kFadeMs);
    }
    else if (m_music && !m_music->getIsPaused())
    {
        m_music->setIsPaused(true);
    }
}

void TitleMusic::loopWhenFinished()
{
    if (m_loopTried || (m_music && !m_music->isFinished()))
        return;
    m_loopTried = true;
    m_music.reset();
    m_music = playTracked(kLoop, true, false);
}
} // namespace Belgarune
