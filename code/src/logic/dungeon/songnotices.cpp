#include "code/src/logic/dungeon/songnotices.h"

namespace Belgarune
{
namespace
{
const irr::u32 kLearnedMs = 5000;
const irr::u32 kPlayedMs = 4000;
} // namespace

std::optional<SongNotice> learnedSongNotice(irr::s32 songId)
{
    switch (songId)
    {
    case 1:
        return SongNotice{L"Learned Prelude Of The Faceless King", kLearnedMs};
    case 6:
        return SongNotice{L"Learned Mother's Requiem", kLearnedMs};
    case 7:
        return SongNotice{L"Learned Goddess' Mercy", kLearnedMs};
    case 8:
        return SongNotice{L"Learned Ode to Sol", kLearnedMs};
    case 10:
        return SongNotice{L"Learned Minuet of Growth", kLearnedMs};
    case 14:
        return SongNotice{L"Learned ???", kLearnedMs};
    default:
        return std::nullopt;
    }
}

std::optional<SongNotice> playedSongNotice(irr::s32 songId, bool triggerFired)
{
    switch (songId)
    {
    case 1:
        return SongNotice{L"Played Prelude Of The Faceless King", 3000};
    case 6:
        return SongNotice{L"Played Mother's Requiem", 7000};
    case 7:
        return SongNotice{triggerFired ? L"Played Goddess' Mercy" : L"Played Goddess' Mercy, but noone can hear you here.",
                          kPlayedMs};
    case 8:
        return SongNotice{L"Played Ode to Sol", kPlayedMs};
    case 10:
        return SongNotice{L"Played Minuet Of Growth", kPlayedMs};
    default:
        return std::nullopt;
    }
}

SongNotice unknownSongNotice(irr::u32 count)
{
    switch (count)
    {
    case 0:
        return {L"Played unknown song. Your soul is resonating ...", kPlayedMs};
    case 1:
        return {L"Played unknown song. The past is catching up to you ...", kPlayedMs};
    case 2:
        return {L"Played unknown song. You begin to remember your sister's melody ...", kPlayedMs};
    case 3:
        return {L"Played unknown song. Pain is slowly fading away ...", kPlayedMs};
    case 10:
        return {L"Played unknown song. Somewhere far below, a voice hums along ...", kPlayedMs};
    default:
        return {L"Played unknown song. There are no more words left.", kPlayedMs};
    }
}
} // namespace Belgarune
