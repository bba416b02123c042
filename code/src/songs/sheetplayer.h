#pragma once
// Plays a sheet against the clock, in a loop from the first time it is asked.

#include <irrTypes.h>

namespace Belgarune
{
struct MusicSheet;

//! The sheet is not owned (the song table keeps it); null plays nothing.
class SheetPlayer
{
public:
    explicit SheetPlayer(const MusicSheet* sheet) : m_sheet(sheet) {}

    //! Whether the track sounds at nowMs; the first call latches the start.
    //! Empty tracks, tracks outside 0..5 and a missing sheet answer false;
    //! a speed of 0 or less stays on the first step.
    bool isNoteOn(int track, irr::u32 nowMs);

private:
    irr::u32 m_startTime = 0;
    bool m_started = false;
    const MusicSheet* m_sheet;
};
} // namespace Belgarune
