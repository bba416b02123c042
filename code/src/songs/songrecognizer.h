#pragma once
// Follows the tones an actor plays against the sheets of the song table.

#include <irrTypes.h>

#include <vector>

namespace Belgarune
{
class IActorClock;
struct MusicSheet;

//! One sheet being matched: the tone expected at each step (-1 for a rest or
//! a step already played), three spare steps at the end.
struct SongAnal
{
    MusicSheet* sheet = nullptr;
    std::vector<irr::s32> expected;
    //! Device timer when the candidate was made; not used for matching.
    irr::u32 startTime = 0;
};

//! Takes its sheets from g_gameBase->m_songBook at each press; the clock is
//! not owned and outlives the recognizer.
class SongRecognizer
{
public:
    explicit SongRecognizer(const IActorClock& clock);

    //! A press or release of tone 0..4; the id of the song a press completes, or -1.
    irr::s32 addTone(int tone, bool pressed);

private:
    //! Matches a press against the candidates; the completed song's id or -1.
    irr::s32 followCandidates(int tone);
    void addCandidate(MusicSheet* sheet);

    const IActorClock* m_clock;
    irr::u32 m_lastToneTime = 0;
    std::vector<SongAnal> m_candidates;
};
} // namespace Belgarune
