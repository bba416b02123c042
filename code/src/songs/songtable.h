#pragma once
// What each song means in play: the notices it brings, the effect it starts,
// its picture in the title menu, and whether the hero has learned it.

#include <irrTypes.h>

namespace Belgarune
{
//! The songs by their ids in songs.txt.
enum class SongId : irr::s32
{
    Prelude = 1,
    //! Sung by the masked enemies; never recognised.
    MaskSong = 2,
    Lullaby = 3,
    Requiem = 6,
    Mercy = 7,
    OdeToSol = 8,
    Minuet = 10,
    Unknown = 14,
};

struct SongNotice
{
    //! Null: no notice.
    const wchar_t* text;
    irr::u32 durationMs;
};

//! When playing the song starts its effect.
enum class EffectStart
{
    Never,
    //! Once for each trigger it fired, learned or not, each time with its played notice.
    PerFiredTrigger,
    //! Whenever the learned song is played.
    WhenLearned,
    //! When the learned song is played and no trigger heard it.
    WhenUnheard,
};

struct SongEffectFacts
{
    EffectStart start;
    irr::s32 durationMs;
    //! Played once and kept while the effect runs.
    const char* music;
    //! The effect takes all darkness away as it starts.
    bool dispelsDarkness;
};

struct SongFacts
{
    SongId id;
    //! As the hero knows it, written on its menu picture; null: unnamed.
    const char* name;
    SongNotice learned;
    //! Shown when the learned song is played.
    SongNotice played;
    //! Shown in place of the played text when no trigger heard the song; null: the played text.
    const wchar_t* unheardText;
    //! Announced by unknownSongNotice, a new text each time, in place of the played notice.
    bool tellsStory;
    SongEffectFacts effect;
    //! Its picture in the title menu, shown once learned; null: none.
    const char* menuPicture;

    //! The played notice, by whether a trigger heard the song.
    SongNotice playedNotice(bool heard) const;
    //! Whether the learned song, played, starts its effect, by whether a trigger heard it.
    bool startsEffectWhenLearned(bool heard) const;
};

//! The facts of a song, or null for an id that means nothing in play.
const SongFacts* findSong(irr::s32 id);
//! The card-th song that has a menu picture, in id order; null past the last.
const SongFacts* songCard(irr::u32 card);
//! The notice for the count-th time (from 0) the story-telling song is announced.
SongNotice unknownSongNotice(irr::u32 count);

//! Only ids from 0 to 14 have a learned flag; any other is never learned.
bool isSongLearned(irr::s32 id);
//! Sets the learned flag; does nothing for an id without one.
void learnSong(irr::s32 id);
} // namespace Belgarune
