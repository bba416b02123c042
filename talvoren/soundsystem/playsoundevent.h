#pragma once
// Asks the sound manager to play a file, tracked under an id or untracked.

#include "talvoren/ieventdata.h"

#include <irrString.h>

#include <cstdint>

class PlaySoundEvent : public BaseEventData
{
public:
    explicit PlaySoundEvent(const irr::core::stringw& fileName) : file(fileName) {}
    PlaySoundEvent(const PlaySoundEvent&) = default;

    const HashedString& getEventType() const override { return kEventType; }

    static const HashedString kEventType;

    irr::core::stringw file;
    bool loop = false;
    //! Relative volume of a tracked sound; 1.0 and above mean the full tracked volume.
    float volume = 1.0f;
    //! Track id; kUntracked plays the sound without keeping it.
    std::int32_t id = kUntracked;

    static constexpr std::int32_t kUntracked = -1;
};
