#pragma once
// Test song tables: written into the working directory and loaded into the game state.

#include "code/src/songs/songbook.h"
#include "code/src/state/gamebase.h"
#include "tests/support/tempdir.h"

#include <memory>
#include <string>

namespace logictest
{
//! Rows run from track 4 (top) to track 0. Song 3 opens with 2, then 4, 0;
//! song 4 with 2, then 4, 1; song 5 holds the tones of song 3 with other
//! rests; song 6 opens with 4 and has a chord of 3 and 1, then 0; song 7 opens
//! with 3 (the upper of two notes in column 0), then 1; song 9 (0, then 1) lacks
//! the ignore-speed flag; song 10 has only its opening
//! note, 0; song 2 is an enemy
//! song on tracks 4 and 0, 100 ms a step.
const char* const kSongs = "# test songs\r\n"
                           "song=3\r\nspeed=300\r\ningorespeed=1\r\n--X-\r\n----\r\nX---\r\n----\r\n---X\r\nend\r\n"
                           "song=4\r\ningorespeed=1\r\n-X--\r\n----\r\nX---\r\n--X-\r\n----\r\nend\r\n"
                           "song=5\r\ningorespeed=1\r\n---X--\r\n------\r\nX-----\r\n------\r\n-----X\r\nend\r\n"
                           "song=6\r\ningorespeed=1\r\nX--\r\n-X-\r\n---\r\n-X-\r\n--:\r\nend\r\n"
                           "song=7\r\ningorespeed=1\r\n--\r\nX-\r\n--\r\nX:\r\n--\r\nend\r\n"
                           "song=9\r\n--\r\n--\r\n--\r\n-X\r\nX-\r\nend\r\n"
                           "song=10\r\ningorespeed=1\r\n-\r\n-\r\n-\r\n-\r\nX\r\nend\r\n"
                           "song=2\r\nspeed=100\r\nX-X-\r\n----\r\n----\r\n----\r\n-XX-\r\nend\r\n";

//! Writes the text as songs.txt and makes a fresh song book of it the game's.
inline void loadSongBook(const std::string& text)
{
    testsupport::writeFile("songs.txt", text);
    g_gameBase->m_songBook = std::make_unique<Belgarune::SongBook>();
    g_gameBase->m_songBook->loadSongs("songs.txt");
}
} // namespace logictest
