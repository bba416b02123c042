#include "code/src/events/songevents.h"

namespace Belgarune
{
const HashedString SongPlayedEvent::kEventType("SongPlayedEvent");
const HashedString GotSongEvent::kEventType("GotSongEvent");

SongPlayedEvent::SongPlayedEvent(irr::u32 songId) : m_songId(songId), m_position(0.0f, 0.0f, 0.0f)
{
}

GotSongEvent::GotSongEvent(irr::u32 songId) : m_songId(songId)
{
}
} // namespace Belgarune
