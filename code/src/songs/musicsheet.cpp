#include "code/src/songs/musicsheet.h"

namespace Belgarune
{
void MusicSheet::addSteps(int track, bool on, int count)
{
    if (track < 0 || track >= kTrackCount || count <= 0)
        return;
    m_tracks[static_cast<std::size_t>(track)].insert(m_tracks[static_cast<std::size_t>(track)].end(),
                                                     static_cast<std::size_t>(count), on);
}
} // namespace Belgarune
