// The song table: which ids can be learned, the menu's song cards, and the
// songs it names against the game's own sheets and pictures.

#include "code/src/menu/menulayout.h"
#include "code/src/songs/songbook.h"
#include "code/src/songs/songtable.h"
#include "code/src/state/gamebase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>

using namespace Belgarune;

namespace
{
const std::filesystem::path kGameDir(BELGARUNE_GAME_DIR);

class SongTableTest : public ::testing::Test
{
protected:
    void SetUp() override { forgetAll(); }
    void TearDown() override { forgetAll(); }
    static void forgetAll()
    {
        std::fill(std::begin(g_gameBase->m_learnedSongs), std::end(g_gameBase->m_learnedSongs), 0);
        g_gameBase->m_hasMap = false;
    }
    static std::size_t learnedCount()
    {
        const auto& flags = g_gameBase->m_learnedSongs;
        return static_cast<std::size_t>(std::count_if(std::begin(flags), std::end(flags), [](irr::u8 f) { return f; }));
    }
};

TEST_F(SongTableTest, OnlyIdsZeroToFourteenCanBeLearned)
{
    const std::pair<irr::s32, bool> cases[] = {{-1, false}, {0, true}, {2, true}, {14, true}, {15, false}, {99, false}};
    for (const auto& [id, learnable] : cases)
    {
        forgetAll();
        learnSong(id);
        EXPECT_EQ(isSongLearned(id), learnable) << id;
        EXPECT_EQ(learnedCount(), learnable ? 1u : 0u) << id;
        // The member after the flags stays untouched.
        EXPECT_FALSE(g_gameBase->m_hasMap) << id;
    }
}

TEST_F(SongTableTest, MenuCardsAreTheGamesSongPicturesInIdOrder)
{
    irr::s32 previousId = -1;
    for (irr::u32 card = 0; card < kSongPictureCount; ++card)
    {
        const SongFacts* song = songCard(card);
        ASSERT_NE(song, nullptr) << card;
        ASSERT_NE(song->menuPicture, nullptr) << card;
        EXPECT_TRUE(std::filesystem::is_regular_file(kGameDir / song->menuPicture)) << song->menuPicture;
        EXPECT_GT(static_cast<irr::s32>(song->id), previousId) << card;
        previousId = static_cast<irr::s32>(song->id);
    }
    EXPECT_EQ(songCard(kSongPictureCount), nullptr);
}

TEST_F(SongTableTest, EverySongOfTheTableHasASheetInTheGame)
{
    SongBook book;
    ASSERT_TRUE(book.loadSongs((kGameDir / SongBook::kDefaultPath).string()));
    for (irr::s32 id = -1; id <= 32; ++id)
    {
        if (!findSong(id))
            continue;
        EXPECT_EQ(findSong(id)->id, static_cast<SongId>(id));
        EXPECT_NE(book.getSheet(id), nullptr) << id;
    }
}
} // namespace
