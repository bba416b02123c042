#pragma once
// The game's songs as the generator draws and quotes them: read from songs.txt by the game's own reader.

#include "code/src/songs/songbook.h"
#include "code/src/songs/songtable.h"

#include <string>
#include <vector>

namespace assetgen
{
class SongSource
{
public:
    //! Reads the song table at `songsFile`; loaded() tells whether it could be read.
    explicit SongSource(const std::string& songsFile);

    bool loaded() const { return m_loaded; }
    //! The tones 0..4 a player presses to play the song; empty for a song the table lacks.
    std::vector<int> melody(Belgarune::SongId song) const;

private:
    Belgarune::SongBook m_book;
    bool m_loaded;
};
} // namespace assetgen
