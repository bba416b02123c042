#pragma once
// Events about the songs: one recognised, one learned.

#include "talvoren/ieventdata.h"

#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
class SongPlayedEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit SongPlayedEvent(irr::u32 songId);
    const HashedString& getEventType() const override { return kEventType; }

    irr::u32 m_songId;
    //! Where it was played; set by the sender.
    irr::core::vector3df m_position;
};

class GotSongEvent : public BaseEventData
{
public:
    static const HashedString kEventType;
    explicit GotSongEvent(irr::u32 songId);
    const HashedString& getEventType() const override { return kEventType; }

    irr::u32 m_songId;
};
} // namespace Belgarune
