// The shipped song table: every song the player can play is recognised from its
// own presses and never midway through another, and the masks' loop completes none.

#include "code/src/songs/sheetplayer.h"
#include "code/src/songs/sheetpresses.h"
#include "code/src/songs/songbook.h"
#include "code/src/songs/songrecognizer.h"
#include "code/src/state/gamebase.h"
#include "tests/code/logic/manualclock.h"
#include "tests/data/builtlevel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
using Belgarune::MusicSheet;

class ShippedSongsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        g_gameBase->m_songBook = std::make_unique<Belgarune::SongBook>();
        ASSERT_TRUE(g_gameBase->m_songBook->loadSongs(datatest::gameFile("gamedata/songs.txt")));
    }
    void TearDown() override { g_gameBase->m_songBook.reset(); }

    //! The sheets a recogniser can report: those listed under their opening track.
    static std::vector<const MusicSheet*> playableSheets()
    {
        std::vector<const MusicSheet*> sheets;
        for (int track = 0; track < MusicSheet::kTrackCount; ++track)
            for (const MusicSheet* sheet : g_gameBase->m_songBook->getSheetsStartingWith(track))
                if (std::find(sheets.begin(), sheets.end(), sheet) == sheets.end())
                    sheets.push_back(sheet);
        return sheets;
    }

    logictest::ManualClock m_clock;
};

TEST_F(ShippedSongsTest, EverySongCompletesOnItsLastPressOnly)
{
    const std::vector<const MusicSheet*> sheets = playableSheets();
    ASSERT_GE(sheets.size(), 7u);
    for (const MusicSheet* sheet : sheets)
    {
        EXPECT_TRUE(sheet->m_id >= 0 && sheet->m_id < 15) << "song " << sheet->m_id;
        EXPECT_TRUE(sheet->m_ignoreSpeed) << "song " << sheet->m_id << " can never be completed";
        const std::vector<int> presses = Belgarune::sheetPresses(*sheet);
        Belgarune::SongRecognizer recognizer(m_clock);
        std::vector<irr::s32> heard;
        for (const int tone : presses)
        {
            m_clock.game += 300.0;
            heard.push_back(recognizer.addTone(tone, true));
            m_clock.game += 200.0;
            recognizer.addTone(tone, false);
        }
        std::vector<irr::s32> expected(presses.size(), -1);
        expected.back() = sheet->m_id;
        EXPECT_EQ(heard, expected) << "song " << sheet->m_id;
    }
}

// Each mask sings song 2 while the hero is near, pressing the tones of a step
// from the lowest up, and its own recogniser listens.
TEST_F(ShippedSongsTest, TheMasksLoopCompletesNoSong)
{
    const MusicSheet* masks = g_gameBase->m_songBook->getSheet(2);
    ASSERT_NE(masks, nullptr);
    for (int track = 0; track < 5; ++track)
        EXPECT_FALSE(masks->m_tracks[static_cast<std::size_t>(track)].empty()) << "row " << track;
    Belgarune::SheetPlayer player(masks);
    Belgarune::SongRecognizer recognizer(m_clock);
    bool held[5] = {};
    int presses = 0;
    for (irr::u32 ms = 0; ms < 60000; ms += 16)
    {
        m_clock.game = ms;
        for (int track = 0; track < 5; ++track)
        {
            const bool on = player.isNoteOn(track, ms);
            if (on == held[track])
                continue;
            held[track] = on;
            presses += on ? 1 : 0;
            EXPECT_EQ(recognizer.addTone(track, on), -1) << "at " << ms << " ms";
        }
    }
    EXPECT_GT(presses, 20);
}
} // namespace
