#pragma once
// One song of songs.txt: its id, its speed and a row of steps per tone track.

#include <irrTypes.h>

#include <array>
#include <vector>

namespace Belgarune
{
struct MusicSheet
{
    static constexpr int kTrackCount = 6;

    //! Appends count steps of value on to the track; tracks outside 0..5 are ignored.
    void addSteps(int track, bool on, int count);

    irr::s32 m_id = 0;
    //! Only sheets with this flag can be recognised.
    bool m_ignoreSpeed = false;
    //! Milliseconds per step.
    irr::f32 m_speed = 250.0f;
    //! One entry per step; true where a note sounds. Track 5 stays empty.
    std::array<std::vector<bool>, kTrackCount> m_tracks;
};
} // namespace Belgarune
