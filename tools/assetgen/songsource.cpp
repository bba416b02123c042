#include "tools/assetgen/songsource.h"

#include "code/src/songs/sheetpresses.h"

namespace assetgen
{
SongSource::SongSource(const std::string& songsFile) : m_loaded(m_book.loadSongs(songsFile))
{
}

std::vector<int> SongSource::melody(int songId) const
{
    const Belgarune::MusicSheet* sheet = m_book.getSheet(songId);
    return sheet ? Belgarune::sheetPresses(*sheet) : std::vector<int>();
}
} // namespace assetgen
