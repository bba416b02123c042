#include "tools/assetgen/songsource.h"

#include "code/src/songs/sheetpresses.h"

namespace assetgen
{
SongSource::SongSource(const std::string& songsFile) : m_loaded(m_book.loadSongs(songsFile))
{
}

std::vector<int> SongSource::melody(Belgarune::SongId song) const
{
    const Belgarune::MusicSheet* sheet = m_book.getSheet(static_cast<irr::s32>(song));
    return sheet ? Belgarune::sheetPresses(*sheet) : std::vector<int>();
}
} // namespace assetgen
