#include "code/src/songs/songbook.h"

#include "platform/textfile.h"
#include "talvoren/stringhelpers.h"

namespace Belgarune
{
namespace
{
const int kRowsPerSheet = 5;
const int kNoColumn = 9999;

//! The sheet being read and what the reader keeps for it.
struct OpenSheet
{
    MusicSheet* sheet = nullptr;
    int rows = 0;
    int startColumn = kNoColumn;
    int startTrack = 0;
};

//! A note row for the track: "-" a rest, "X" a note that may open the song,
//! ":" a note that may not; every other character is skipped.
void readRow(const std::string& line, int track, OpenSheet& open)
{
    int column = 0;
    for (const char c : line)
    {
        if (c != '-' && c != 'X' && c != ':')
            continue;
        open.sheet->addSteps(track, c != '-', 1);
        if (c == 'X' && column < open.startColumn)
        {
            open.startColumn = column;
            open.startTrack = track;
        }
        ++column;
    }
}
} // namespace

bool SongBook::loadSongs(const std::string& path)
{
    platform::LineReader reader(path);
    if (!reader.isOpen())
        return false;

    OpenSheet open;
    std::string line;
    while (reader.next(line))
    {
        if (line == "end" && open.sheet)
            m_byStartTrack[static_cast<std::size_t>(open.startTrack)].push_back(open.sheet);

        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
        {
            const std::string key = line.substr(0, equals);
            const std::string value = line.substr(equals + 1);
            if (key == "song")
            {
                m_sheets.push_back(std::make_unique<MusicSheet>());
                open = OpenSheet();
                open.sheet = m_sheets.back().get();
                open.sheet->m_id = Talvoren::toInt(value);
                m_byId[open.sheet->m_id] = open.sheet;
            }
            else if (key == "speed" && open.sheet)
                open.sheet->m_speed = static_cast<irr::f32>(Talvoren::toInt(value));
            else if (key == "ingorespeed" && open.sheet)
                open.sheet->m_ignoreSpeed = true;
            continue;
        }

        if (!open.sheet || line.empty() || open.rows >= kRowsPerSheet)
            continue;
        readRow(line, kRowsPerSheet - 1 - open.rows, open);
        ++open.rows;
    }
    return !reader.failed();
}

MusicSheet* SongBook::getSheet(irr::s32 id) const
{
    const auto found = m_byId.find(id);
    return found == m_byId.end() ? nullptr : found->second;
}

std::vector<MusicSheet*> SongBook::getSheetsStartingWith(int track) const
{
    if (track < 0 || track >= MusicSheet::kTrackCount)
        return {};
    return m_byStartTrack[static_cast<std::size_t>(track)];
}
} // namespace Belgarune
