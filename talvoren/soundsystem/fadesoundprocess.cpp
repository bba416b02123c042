#include "talvoren/soundsystem/fadesoundprocess.h"

#include "talvoren/soundsystem/soundobject.h"

namespace Talvoren
{
FadeSoundProcess::FadeSoundProcess(std::shared_ptr<SoundObject> sound, std::int32_t durationMs, double targetVolume,
                                   bool stopAtEnd)
    : Process(kProcessType),
      m_sound(std::move(sound)),
      m_durationMs(durationMs),
      m_targetVolume(targetVolume),
      m_stopAtEnd(stopAtEnd)
{
}

void FadeSoundProcess::onInitialize()
{
    if (!m_sound || !m_sound->sound)
    {
        kill();
        return;
    }
    m_startVolume = m_sound->sound->getVolume();
}

void FadeSoundProcess::onUpdate(std::uint32_t deltaMs)
{
    Process::onUpdate(deltaMs);
    if (!m_active)
        return;
    m_elapsed += static_cast<std::int32_t>(deltaMs);
    if (m_elapsed < m_durationMs)
    {
        const float t = static_cast<float>(m_elapsed) / static_cast<float>(m_durationMs);
        setVolume(m_startVolume + t * (m_targetVolume - m_startVolume));
        return;
    }
    setVolume(m_targetVolume);
    if (m_stopAtEnd && m_sound && m_sound->sound)
        m_sound->sound->stop();
    kill();
}

void FadeSoundProcess::setVolume(double volume)
{
    if (m_sound && m_sound->sound)
        m_sound->sound->setVolume(static_cast<float>(volume));
}
} // namespace Talvoren
