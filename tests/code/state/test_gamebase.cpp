#include "code/src/state/gamebase.h"
#include "code/src/world/gameworld.h"
#include "talvoren/gamesettings.h"

#include <gtest/gtest.h>

using Belgarune::GameBase;

TEST(GameBaseTest, StaticallyCreatedStateHoldsTheDefaults)
{
    ASSERT_NE(g_gameBase, nullptr);
    const GameBase& base = *g_gameBase;
    EXPECT_EQ(base.m_resX, 1280);
    EXPECT_EQ(base.m_resY, 720);
    EXPECT_EQ(base.m_volume, 100);
    EXPECT_EQ(base.m_fov, 60);
    EXPECT_EQ(base.m_bright, 3);
    EXPECT_EQ(base.m_antiAlias, 4);
    EXPECT_EQ(base.m_hp, 3);
    EXPECT_TRUE(base.m_vsync);
    EXPECT_FALSE(base.m_fullscreen);
    EXPECT_FALSE(base.m_debug);
    EXPECT_TRUE(base.m_toneKeysEnabled);
    EXPECT_TRUE(base.m_gameplayActive);
    EXPECT_EQ(base.m_editorMode, 0);
    EXPECT_EQ(base.m_font, nullptr);
    EXPECT_EQ(base.m_camera, nullptr);
    for (bool item : base.m_hasItem)
        EXPECT_FALSE(item);
    for (irr::u8 song : base.m_learnedSongs)
        EXPECT_EQ(song, 0);
    for (bool tone : base.m_forcedTones)
        EXPECT_FALSE(tone);
    ASSERT_NE(base.m_world, nullptr);
    EXPECT_EQ(base.m_world->getPlayer(), nullptr);
    EXPECT_EQ(base.m_world->isWalkable(250, 250), 0);
}

TEST(GameBaseTest, SettingsAreStoredAsReadWithVerticalSyncOn)
{
    GameBase base;
    Talvoren::GameSettings settings; // every key missing
    settings.resX = 5000;
    settings.antiAlias = 3;
    settings.fullscreen = true;
    settings.debug = true;
    settings.vsync = false;
    Belgarune::storeGameSettings(settings, base);
    EXPECT_EQ(base.m_resX, 5000);
    EXPECT_EQ(base.m_resY, -1);
    EXPECT_EQ(base.m_antiAlias, 3);
    EXPECT_EQ(base.m_fov, -1);
    EXPECT_EQ(base.m_bright, -1);
    EXPECT_EQ(base.m_volume, -1);
    EXPECT_TRUE(base.m_fullscreen);
    EXPECT_TRUE(base.m_debug);
    EXPECT_TRUE(base.m_vsync);
}

TEST(GameBaseTest, CollectedSettingsAreTheCurrentValues)
{
    GameBase base;
    base.m_resX = 1366;
    base.m_resY = 768;
    base.m_fullscreen = true;
    base.m_vsync = false;
    base.m_antiAlias = 8;
    base.m_fov = 75;
    base.m_bright = 6;
    base.m_debug = true;
    base.m_volume = 40;
    EXPECT_EQ(Talvoren::formatGameSettings(Belgarune::collectGameSettings(base)),
              "[graphics]\n#set to -1 for screen resolution\nresx=1366\nresy=768\nfullscreen=true\nvsynch=false\n"
              "aa=8\nfov=75\nbright=6\n\n[game]\ndebug=true\n\n[sound]\nvolume=40\n");
}
