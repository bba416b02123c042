#pragma once
// The notices shown for songs learned and played.

#include <irrTypes.h>

#include <optional>

namespace Belgarune
{
struct SongNotice
{
    const wchar_t* text;
    irr::u32 durationMs;
};

//! "Learned ..." for the songs with a shown name (1, 6, 7, 8, 10, 14); none for the others.
std::optional<SongNotice> learnedSongNotice(irr::s32 songId);
//! "Played ..." for songs 1, 6, 7, 8 and 10; song 7 tells whether a trigger heard it.
std::optional<SongNotice> playedSongNotice(irr::s32 songId, bool triggerFired);
//! The text for the count-th time the unknown song 14 was played.
SongNotice unknownSongNotice(irr::u32 count);
} // namespace Belgarune
