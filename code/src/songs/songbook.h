#pragma once
// The song book: the sheets of songs.txt by id and by the track that opens them.

#include "code/src/songs/musicsheet.h"

#include <irrTypes.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Belgarune
{
//! Owns its sheets; the pointers it hands out live as long as the book.
class SongBook
{
public:
    static constexpr const char* kDefaultPath = "gamedata/songs.txt";

    //! Adds the sheets of the file; call once. False when it cannot be opened
    //! or read to its end (what was read is kept).
    bool loadSongs(const std::string& path = kDefaultPath);
    //! Null when no sheet has that id; a later sheet of the same id wins.
    MusicSheet* getSheet(irr::s32 id) const;
    //! The sheets opened by that track, in file order, once per "end" line;
    //! empty for tracks outside 0..5.
    std::vector<MusicSheet*> getSheetsStartingWith(int track) const;

private:
    //! Every sheet read, also those replaced in the id map.
    std::vector<std::unique_ptr<MusicSheet>> m_sheets;
    std::map<irr::s32, MusicSheet*> m_byId;
    std::array<std::vector<MusicSheet*>, MusicSheet::kTrackCount> m_byStartTrack;
};
} // namespace Belgarune
