#include "code/src/songs/sheetplayer.h"

#include "code/src/songs/musicsheet.h"

namespace Belgarune
{
bool SheetPlayer::isNoteOn(int track, irr::u32 nowMs)
{
    if (!m_started)
    {
        m_started = true;
        m_startTime = nowMs;
    }
    if (!m_sheet || track < 0 || track >= MusicSheet::kTrackCount)
        return false;
    const std::vector<bool>& steps = m_sheet->m_tracks[static_cast<std::size_t>(track)];
    if (steps.empty())
        return false;

    irr::u64 step = 0;
    if (m_sheet->m_speed > 0.0f)
        step = static_cast<irr::u64>(static_cast<irr::f64>(nowMs - m_startTime) / m_sheet->m_speed);
    return steps[static_cast<std::size_t>(step % steps.size())];
}
} // namespace Belgarune
