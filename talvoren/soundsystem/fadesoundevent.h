#pragma once
// Asks the sound manager to fade a tracked sound to a volume over a time.

#include "talvoren/ieventdata.h"

#include <cstdint>

class FadeSoundEvent : public BaseEventData
{
public:
    FadeSoundEvent() = default;
    FadeSoundEvent(const FadeSoundEvent&) = default;

    const HashedString& getEventType() const override { return kEventType; }

    static const HashedString kEventType;

    std::int32_t soundId = 0;
    float targetVolume = 0.0f;
    float durationMs = 0.0f;
    //! Stop the sound when the fade ends.
    bool stopAtEnd = false;
};
