#pragma once
// Moves a tracked sound's volume linearly to a target over a time.

#include "talvoren/processmanager/process.h"

#include <cstdint>
#include <memory>

namespace Talvoren
{
struct SoundObject;

//! Keeps the sound object alive while it runs. A sound object whose handle is
//! gone (the sound was stopped) only lets the time run out.
class FadeSoundProcess : public Process
{
public:
    FadeSoundProcess(std::shared_ptr<SoundObject> sound, std::int32_t durationMs, double targetVolume,
                     bool stopAtEnd);

    void onInitialize() override;
    void onUpdate(std::uint32_t deltaMs) override;

    static constexpr std::int32_t kProcessType = -1;

private:
    void setVolume(double volume);

    std::int32_t m_elapsed = 0;
    std::shared_ptr<SoundObject> m_sound;
    std::int32_t m_durationMs;
    double m_targetVolume;
    double m_startVolume = 0.0;
    bool m_stopAtEnd;
};
} // namespace Talvoren
