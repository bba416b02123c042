#include "code/src/songs/songrecognizer.h"

#include "code/src/logic/actorclock.h"
#include "code/src/songs/songbook.h"
#include "code/src/state/gamebase.h"

#include <algorithm>
#include <iostream>

namespace Belgarune
{
namespace
{
const irr::f64 kMaxPauseMs = 2000.0;
const int kSpareSteps = 3;
const irr::s32 kNoTone = -1;
} // namespace

SongRecognizer::SongRecognizer(const IActorClock& clock) : m_clock(&clock)
{
}

irr::s32 SongRecognizer::addTone(int tone, bool pressed)
{
    const irr::f64 now = m_clock->gameMs();
    if (now - m_lastToneTime > kMaxPauseMs)
        m_candidates.clear();
    m_lastToneTime = static_cast<irr::u32>(now);
    if (!pressed)
        return -1;

    const std::vector<MusicSheet*> opened =
        g_gameBase->m_songBook ? g_gameBase->m_songBook->getSheetsStartingWith(tone) : std::vector<MusicSheet*>();
    const irr::s32 completed = followCandidates(tone);
    if (completed != -1)
        return completed;
    for (MusicSheet* sheet : opened)
        addCandidate(sheet);
    return -1;
}

irr::s32 SongRecognizer::followCandidates(int tone)
{
    for (auto candidate = m_candidates.begin(); candidate != m_candidates.end();)
    {
        if (!candidate->sheet->m_ignoreSpeed)
        {
            std::cout << " sorry, delete " << std::endl;
            candidate = m_candidates.erase(candidate);
            continue;
        }
        const auto next = std::find_if(candidate->expected.begin(), candidate->expected.end(),
                                       [](irr::s32 expected) { return expected != kNoTone; });
        if (next == candidate->expected.end())
        {
            ++candidate;
            continue;
        }
        if (*next != tone)
        {
            candidate = m_candidates.erase(candidate);
            continue;
        }
        *next = kNoTone;
        if (std::all_of(next, candidate->expected.end(), [](irr::s32 expected) { return expected == kNoTone; }))
            return candidate->sheet->m_id;
        ++candidate;
    }
    return -1;
}

void SongRecognizer::addCandidate(MusicSheet* sheet)
{
    std::cout << "maybe:" << sheet->m_id << std::endl;
    SongAnal candidate;
    candidate.sheet = sheet;
    candidate.expected.assign(sheet->m_tracks[0].size() + kSpareSteps, kNoTone);
    for (int track = 0; track < MusicSheet::kTrackCount; ++track)
    {
        const std::vector<bool>& steps = sheet->m_tracks[static_cast<std::size_t>(track)];
        // Notes beyond track 0's length have no step in the candidate.
        const std::size_t count = std::min(steps.size(), candidate.expected.size());
        for (std::size_t step = 0; step < count; ++step)
            if (steps[step])
                candidate.expected[step] = track;
    }
    candidate.expected[0] = kNoTone;
    candidate.startTime = m_clock->timerMs();
    m_candidates.push_back(std::move(candidate));
}
} // namespace Belgarune
