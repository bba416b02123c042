#include "code/src/songs/songtable.h"

#include "code/src/state/gamebase.h"

#include <iterator>

namespace Belgarune
{
namespace
{
const irr::u32 kLearnedMs = 5000;
const irr::u32 kPlayedMs = 4000;
const SongEffectFacts kNoEffect{EffectStart::Never, 0, nullptr, false};

const SongFacts kSongs[] = {
    {SongId::Prelude, "Prelude Of The Faceless King",
     {L"Learned Prelude Of The Faceless King", kLearnedMs},
     {L"Played Prelude Of The Faceless King", 3000},
     nullptr,
     false,
     kNoEffect,
     nullptr},
    {SongId::MaskSong, nullptr, {nullptr, 0}, {nullptr, 0}, nullptr, false, kNoEffect, nullptr},
    {SongId::Lullaby, "Song of the Lost Key", {nullptr, 0}, {nullptr, 0}, nullptr, false, kNoEffect, "gamedata/gui/song1.png"},
    {SongId::Requiem, "Mother's Requiem",
     {L"Learned Mother's Requiem", kLearnedMs},
     {L"Played Mother's Requiem", 7000},
     nullptr,
     false,
     {EffectStart::WhenUnheard, 18000, "gamedata/music/zeitbubble1.ogg", false},
     "gamedata/gui/song2.png"},
    {SongId::Mercy, "Goddess' Mercy",
     {L"Learned Goddess' Mercy", kLearnedMs},
     {L"Played Goddess' Mercy", kPlayedMs},
     L"Played Goddess' Mercy, but noone can hear you here.",
     false,
     kNoEffect,
     "gamedata/gui/song3.png"},
    {SongId::OdeToSol, "Ode to Sol",
     {L"Learned Ode to Sol", kLearnedMs},
     {L"Played Ode to Sol", kPlayedMs},
     nullptr,
     false,
     {EffectStart::WhenLearned, 8000, "gamedata/music/licht2.ogg", true},
     "gamedata/gui/song4.png"},
    {SongId::Minuet, "Minuet of Growth",
     {L"Learned Minuet of Growth", kLearnedMs},
     {L"Played Minuet Of Growth", kPlayedMs},
     nullptr,
     false,
     {EffectStart::PerFiredTrigger, 10000, "gamedata/music/wachstum.ogg", false},
     "gamedata/gui/song5.png"},
    {SongId::Unknown, "? ? ?",
     {L"Learned ???", kLearnedMs},
     {nullptr, 0},
     nullptr,
     true,
     kNoEffect,
     "gamedata/gui/song6.png"},
};

irr::u8* learnedFlag(irr::s32 id)
{
    auto& flags = g_gameBase->m_learnedSongs;
    if (id < 0 || static_cast<std::size_t>(id) >= std::size(flags))
        return nullptr;
    return &flags[id];
}
} // namespace

SongNotice SongFacts::playedNotice(bool heard) const
{
    if (heard || !unheardText)
        return played;
    return {unheardText, played.durationMs};
}

bool SongFacts::startsEffectWhenLearned(bool heard) const
{
    return effect.start == EffectStart::WhenLearned || (effect.start == EffectStart::WhenUnheard && !heard);
}

const SongFacts* findSong(irr::s32 id)
{
    for (const SongFacts& song : kSongs)
    {
        if (static_cast<irr::s32>(song.id) == id)
            return &song;
    }
    return nullptr;
}

const SongFacts* songCard(irr::u32 card)
{
    for (const SongFacts& song : kSongs)
    {
        if (song.menuPicture && card-- == 0)
            return &song;
    }
    return nullptr;
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

bool isSongLearned(irr::s32 id)
{
    const irr::u8* flag = learnedFlag(id);
    return flag && *flag;
}

void learnSong(irr::s32 id)
{
    if (irr::u8* flag = learnedFlag(id))
        *flag = 1;
}
} // namespace Belgarune
