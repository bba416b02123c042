#include "code/src/songs/sheetpresses.h"

#include "code/src/songs/musicsheet.h"

namespace Belgarune
{
std::vector<int> sheetPresses(const MusicSheet& sheet)
{
    std::vector<int> presses;
    for (std::size_t step = 0; step < sheet.m_tracks[0].size(); ++step)
        for (int track = MusicSheet::kTrackCount - 1; track >= 0; --track)
        {
            const std::vector<bool>& steps = sheet.m_tracks[static_cast<std::size_t>(track)];
            if (step < steps.size() && steps[step])
            {
                presses.push_back(track);
                break;
            }
        }
    return presses;
}
} // namespace Belgarune
