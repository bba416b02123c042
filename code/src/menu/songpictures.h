#pragma once
// The title menu's song pictures: the file of each and the learned song it stands for.

#include "code/src/menu/menulayout.h"

#include <irrTypes.h>

namespace Belgarune
{
struct SongPicture
{
    const char* file;
    irr::u32 songId;
};

//! In the menu's order, row by row, left column first.
inline constexpr SongPicture kSongPictures[kSongPictureCount] = {
    {"gamedata/gui/song1.png", 3}, {"gamedata/gui/song2.png", 6},  {"gamedata/gui/song3.png", 7},
    {"gamedata/gui/song4.png", 8}, {"gamedata/gui/song5.png", 10}, {"gamedata/gui/song6.png", 14},
};
} // namespace Belgarune
