#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/songs/musicsheet.h"
#include "code/src/songs/playermusicalcomponent.h"
#include "code/src/songs/sheetplayer.h"
#include "code/src/songs/songbook.h"
#include "code/src/songs/songrecognizer.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/inputcomponent.h"
#include "code/src/world/visualcomponent.h"
#include "tests/code/logic/eventrecorder.h"
#include "tests/code/logic/manualclock.h"
#include "tests/code/logic/songfiles.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Belgarune;
using logictest::loadSongBook;

namespace
{
std::string trackText(const MusicSheet& sheet, int track)
{
    std::string text;
    for (const bool on : sheet.m_tracks[static_cast<std::size_t>(track)])
        text += on ? 'X' : '-';
    return text;
}

std::vector<irr::s32> idsStartingWith(int track)
{
    std::vector<irr::s32> ids;
    for (const MusicSheet* sheet : g_gameBase->m_songBook->getSheetsStartingWith(track))
        ids.push_back(sheet->m_id);
    return ids;
}

class SongTest : public ::testing::Test
{
protected:
    testsupport::TempWorkDir m_dir;
};
} // namespace

TEST_F(SongTest, ReadsSheetRowsFromTrackFourDown)
{
    loadSongBook(logictest::kSongs);
    const MusicSheet* sheet = g_gameBase->m_songBook->getSheet(3);
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->m_ignoreSpeed);
    EXPECT_EQ(sheet->m_speed, 300.0f);
    const char* const expected[] = {"---X", "----", "X---", "----", "--X-", ""};
    for (int track = 0; track < MusicSheet::kTrackCount; ++track)
        EXPECT_EQ(trackText(*sheet, track), expected[track]) << track;
    EXPECT_FALSE(g_gameBase->m_songBook->getSheet(9)->m_ignoreSpeed);
    EXPECT_EQ(g_gameBase->m_songBook->getSheet(4)->m_speed, 250.0f);
    EXPECT_EQ(trackText(*g_gameBase->m_songBook->getSheet(7), 1), "XX"); // ':' is a note too
}

TEST_F(SongTest, ListsSheetsByTheTrackOfTheirLeftmostOpeningNote)
{
    loadSongBook(logictest::kSongs);
    const std::vector<std::vector<irr::s32>> expected = {{9, 10}, {}, {3, 4, 5}, {7}, {6, 2}, {}};
    for (int track = 0; track < MusicSheet::kTrackCount; ++track)
        EXPECT_EQ(idsStartingWith(track), expected[static_cast<std::size_t>(track)]) << track;
    EXPECT_TRUE(idsStartingWith(6).empty());
}

TEST_F(SongTest, ReaderQuirksOfEndLinesRowsAndIds)
{
    loadSongBook("song=1\nX\n-\n-\n-\n-\n-\nend \nend\n"         // a sixth row is ignored; "end " is a row
                 "song=abc\nX X\n-\n-\n-\nend\nend\n"            // id 0; blanks skipped; listed twice
                 "song=1\n-\n-\n:X\n-\n-\nend\n"                 // replaces id 1 in the map; ':' cannot open
                 "song=8\nX\n-\n-\n-\n-\n"                       // no end: found, never listed
                 "speed=5\nXX\n");
    const SongBook& book = *g_gameBase->m_songBook;
    EXPECT_EQ(trackText(*book.getSheet(0), 4), "XX");
    EXPECT_EQ(trackText(*book.getSheet(0), 0), ""); // four rows, then "end" made the fifth
    EXPECT_EQ(trackText(*book.getSheet(1), 2), "XX");
    EXPECT_EQ(trackText(*book.getSheet(8), 0), "-");
    EXPECT_EQ(idsStartingWith(4), (std::vector<irr::s32>{1, 0, 0}));
    EXPECT_EQ(idsStartingWith(2), (std::vector<irr::s32>{1}));
    EXPECT_EQ(book.getSheet(2), nullptr);

    SongBook missing;
    EXPECT_FALSE(missing.loadSongs("nothing.txt"));
    EXPECT_EQ(missing.getSheet(0), nullptr);
}

namespace
{
struct ToneStep
{
    int tone;
    bool pressed;
    double gameMs;
    irr::s32 result;
};

struct RecognitionCase
{
    const char* name;
    std::vector<ToneStep> steps;
};

ToneStep press(int tone, double ms, irr::s32 result = -1)
{
    return {tone, true, ms, result};
}

ToneStep release(int tone, double ms)
{
    return {tone, false, ms, -1};
}
} // namespace

TEST_F(SongTest, RecognizesSongsFromPressesAndReleases)
{
    const RecognitionCase cases[] = {
        {"complete", {press(2, 100), release(2, 200), press(4, 300), release(4, 400), press(0, 500, 3)}},
        {"two complete on one press: first listed", {press(2, 0), press(4, 10), press(0, 20, 3)}},
        {"diverging candidates", {press(2, 0), press(4, 10), press(1, 20, 4)}},
        {"wrong tone interrupts", {press(2, 0), press(1, 10), press(4, 20), press(0, 30)}},
        {"restart inside a failed attempt", {press(2, 0), press(2, 10), press(4, 20), press(0, 30, 3)}},
        {"pause of exactly 2000 ms", {press(2, 0), press(4, 2000), press(0, 4000, 3)}},
        {"pause of 2001 ms", {press(2, 0), press(4, 2001), press(0, 2002)}},
        {"releases count as tones", {press(2, 0), release(2, 1500), press(4, 3400), release(4, 5000), press(0, 6900, 3)}},
        {"chord collapses to its top tone", {press(4, 0), press(3, 10), press(0, 20, 6)}},
        {"chord's lower tone fails", {press(4, 0), press(1, 10), press(0, 20)}},
        {"upper opening note of the first column", {press(3, 0), press(1, 10, 7)}},
        {"lower opening note does not open", {press(1, 0), press(1, 10)}},
        {"without the ignore-speed flag", {press(0, 0), press(1, 10)}},
        {"only an opening note", {press(0, 0), press(0, 10), press(0, 20)}},
        {"completed song is not reported again", {press(4, 0), press(3, 10), press(0, 20, 6), press(0, 30)}},
    };
    for (const RecognitionCase& testCase : cases)
    {
        loadSongBook(logictest::kSongs);
        logictest::ManualClock clock;
        SongRecognizer recognizer(clock);
        for (std::size_t i = 0; i < testCase.steps.size(); ++i)
        {
            const ToneStep& step = testCase.steps[i];
            clock.game = step.gameMs;
            EXPECT_EQ(recognizer.addTone(step.tone, step.pressed), step.result) << testCase.name << ", step " << i;
        }
    }
}

TEST_F(SongTest, WritesCandidatesAndDropsToStandardOutput)
{
    loadSongBook(logictest::kSongs);
    logictest::ManualClock clock;
    SongRecognizer recognizer(clock);
    testing::internal::CaptureStdout();
    recognizer.addTone(0, true);
    recognizer.addTone(1, true);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "maybe:9\nmaybe:10\n sorry, delete \n");
}

TEST_F(SongTest, SheetPlayerLoopsTheSheetFromItsFirstCall)
{
    MusicSheet sheet;
    sheet.m_speed = 100.0f;
    for (const bool on : {true, false, true, false})
        sheet.addSteps(4, on, 1);
    SheetPlayer player(&sheet);
    const std::pair<irr::u32, bool> times[] = {{1000, true}, {1099, true}, {1100, false}, {1250, true},
                                               {1350, false}, {1400, true}, {1000, true}};
    for (const auto& [nowMs, on] : times)
        EXPECT_EQ(player.isNoteOn(4, nowMs), on) << nowMs;
    EXPECT_FALSE(player.isNoteOn(0, 1000)); // an empty track
    EXPECT_FALSE(player.isNoteOn(6, 1000));

    sheet.m_speed = 0.0f;
    EXPECT_TRUE(player.isNoteOn(4, 1100));
    EXPECT_FALSE(SheetPlayer(nullptr).isNoteOn(4, 0));
}

TEST_F(SongTest, GameSongsAreRecognisedButTheMasksSongCompletesNone)
{
    g_gameBase->m_songBook = std::make_unique<SongBook>();
    ASSERT_TRUE(g_gameBase->m_songBook->loadSongs(BELGARUNE_DATA_DIR "/gamedata/songs.txt"));
    logictest::ManualClock clock;
    for (const irr::s32 id : {1, 6, 7, 8, 10, 14})
    {
        const MusicSheet* sheet = g_gameBase->m_songBook->getSheet(id);
        ASSERT_NE(sheet, nullptr) << id;
        SongRecognizer recognizer(clock);
        irr::s32 result = -1;
        for (std::size_t step = 0; step < sheet->m_tracks[0].size(); ++step) // the top note of each step
            for (int track = 4; track >= 0; --track)
                if (sheet->m_tracks[static_cast<std::size_t>(track)][step])
                {
                    result = recognizer.addTone(track, true);
                    break;
                }
        EXPECT_EQ(result, id);
    }

    logictest::EventRecorder events;
    GameActor mask(3, nullptr, std::make_unique<StandardPhysicsComponent>(5), nullptr, nullptr);
    PlayerMusicalComponent voice(2, 0.2f, nullptr, clock);
    SheetPlayer player(g_gameBase->m_songBook->getSheet(2));
    for (irr::u32 ms = 0; ms < 30000; ms += 16)
    {
        clock.game = ms;
        for (int track = 0; track < 5; ++track)
            voice.setTone(track, player.isNoteOn(track, ms));
        voice.update(&mask, nullptr);
    }
    EXPECT_TRUE(events.songs().empty());
}

TEST_F(SongTest, NotesBeyondTheBottomTracksLengthAreIgnored)
{
    // The candidate spans track 0's length and three spare steps: 0..3 here,
    // so the note of track 4 at step 7 is neither stored nor waited for.
    loadSongBook("song=11\ningorespeed=1\n-------X\n---X\nX\n-X\n-\nend\n");
    logictest::ManualClock clock;
    SongRecognizer recognizer(clock);
    const ToneStep steps[] = {press(2, 0), press(1, 10), press(3, 20, 11)};
    for (const ToneStep& step : steps)
    {
        clock.game = step.gameMs;
        EXPECT_EQ(recognizer.addTone(step.tone, step.pressed), step.result) << step.gameMs;
    }
}
