// The menu's song cards as generated: the notes read back from each card are the song
// the game's own reader and recogniser know under the card's song, in colours and lanes.
#include "code/src/songs/songbook.h"
#include "code/src/songs/songrecognizer.h"
#include "code/src/songs/songtable.h"
#include "code/src/state/gamebase.h"
#include "tests/code/logic/manualclock.h"
#include "tests/support/quietnulldevice.h"
#include "tools/assetgen/tonecolours.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace
{
using namespace irr;

//! A note found on a card: its tone by colour and where its head sits.
struct ReadNote
{
    int tone;
    float centreY;
};

//! The tone whose colour the pixel shows, or -1.
int toneOfPixel(const video::SColor& pixel)
{
    for (int tone = 0; tone < assetgen::kToneCount; ++tone)
    {
        const assetgen::Colour c = assetgen::toneColour(tone);
        auto near = [](u32 channel, float unit) { return std::abs(static_cast<int>(channel) - unit * 255) < 40; };
        if (near(pixel.getRed(), c.r) && near(pixel.getGreen(), c.g) && near(pixel.getBlue(), c.b))
            return tone;
    }
    return -1;
}

//! The notes of a card from left to right: each run of columns showing one tone colour is one note.
std::vector<ReadNote> readNotes(video::IImage& card)
{
    std::vector<ReadNote> notes;
    int runTone = -1;
    float ySum = 0, yCount = 0;
    const core::dimension2du size = card.getDimension();
    for (u32 x = 0; x <= size.Width; ++x)
    {
        int columnTone = -1;
        float columnY = 0, columnCount = 0;
        for (u32 y = 0; x < size.Width && y < size.Height; ++y)
        {
            const int tone = toneOfPixel(card.getPixel(x, y));
            if (tone < 0)
                continue;
            columnTone = tone;
            columnY += static_cast<float>(y), ++columnCount;
        }
        if (columnTone != runTone && runTone >= 0)
            notes.push_back({runTone, ySum / yCount});
        if (columnTone != runTone)
            ySum = 0, yCount = 0;
        runTone = columnTone;
        ySum += columnY, yCount += columnCount;
    }
    return notes;
}

class SongCards : public testsupport::QuietNullDeviceTest
{
protected:
    void SetUp() override
    {
        QuietNullDeviceTest::SetUp();
        g_gameBase->m_songBook = std::make_unique<Belgarune::SongBook>();
        ASSERT_TRUE(g_gameBase->m_songBook->loadSongs(std::string(BELGARUNE_DATA_DIR) + "/gamedata/songs.txt"));
    }
    void TearDown() override
    {
        g_gameBase->m_songBook.reset();
        QuietNullDeviceTest::TearDown();
    }

    //! The song the recogniser reports for the presses, -1 for none, -2 when one completes early.
    irr::s32 recognised(const std::vector<ReadNote>& notes)
    {
        Belgarune::SongRecognizer recognizer(m_clock);
        irr::s32 song = -1;
        for (const ReadNote& note : notes)
        {
            if (song != -1)
                return -2;
            m_clock.game += 300.0;
            song = recognizer.addTone(note.tone, true);
            m_clock.game += 200.0;
            recognizer.addTone(note.tone, false);
        }
        return song;
    }


    //! The notes of a picture of the game tree, empty when it cannot be read.
    std::vector<ReadNote> notesOf(const std::string& file)
    {
        const std::string path = std::string(BELGARUNE_GAME_DIR) + "/" + file;
        video::IImage* image = m_device->getVideoDriver()->createImageFromFile(path.c_str());
        if (!image)
            return {};
        const std::vector<ReadNote> notes = readNotes(*image);
        image->drop();
        return notes;
    }

    logictest::ManualClock m_clock;
};

TEST_F(SongCards, EachCardShowsTheSongTheGameRecognisesForIt)
{
    for (irr::u32 index = 0; const Belgarune::SongFacts* song = Belgarune::songCard(index); ++index)
    {
        const Belgarune::SongFacts& card = *song;
        const std::vector<ReadNote> notes = notesOf(card.menuPicture);

        ASSERT_GE(notes.size(), 3u) << card.menuPicture;
        EXPECT_EQ(recognised(notes), static_cast<irr::s32>(card.id)) << card.menuPicture;
        // A higher tone sits higher on the staff.
        for (const ReadNote& a : notes)
            for (const ReadNote& b : notes)
                EXPECT_TRUE(a.tone <= b.tone || a.centreY < b.centreY)
                    << card.menuPicture << ": tone " << a.tone << " not above tone " << b.tone;
    }
}
// Decorations that carry notes show the first song, which the hub's bars wait for, and no made-up run.
TEST_F(SongCards, DecorationsWithNotesShowTheFirstSong)
{
    for (const char* file : {"gamedata/objects/QVBanner2.png", "gamedata/tq_logo.png"})
    {
        const std::vector<ReadNote> notes = notesOf(file);
        ASSERT_GE(notes.size(), 3u) << file;
        EXPECT_EQ(recognised(notes), 1) << file;
    }
}
} // namespace
