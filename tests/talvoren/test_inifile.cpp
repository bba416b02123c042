#include "talvoren/gamesettings.h"
#include "talvoren/inifile.h"
#include "tests/support/commalocale.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

using Talvoren::IniFile;
using testsupport::readFile;
using testsupport::TempWorkDir;
using testsupport::writeFile;

TEST(IniReading, KeysAreTakenLiterally)
{
    const IniFile ini(std::vector<std::string>{"[graphics]", "#aa=16", "resx = 1280", "fov= 70", "fov =71",
                                               "volume=80=3", "aa=2", "aa=8", "debug=TRUE", "vsynch=True",
                                               "fullscreen=1 "});
    EXPECT_EQ(ini.getInt(L"resx"), -1);
    EXPECT_EQ(ini.getInt(L"resx "), 1280);
    EXPECT_EQ(ini.getInt(L"fov"), 70);
    EXPECT_EQ(ini.getInt(L"fov "), 71);
    EXPECT_EQ(ini.getString(L"volume"), irr::core::stringw(L"80=3"));
    EXPECT_EQ(ini.getInt(L"volume"), 80);
    EXPECT_EQ(ini.getInt(L"aa"), 8);
    EXPECT_EQ(ini.getInt(L"#aa"), 16);
    EXPECT_TRUE(ini.getBool(L"debug"));
    EXPECT_FALSE(ini.getBool(L"vsynch"));
    EXPECT_FALSE(ini.getBool(L"fullscreen"));
    EXPECT_FALSE(ini.getBool(L"missing"));
    EXPECT_EQ(ini.getString(L"missing"), irr::core::stringw());
}

TEST(IniReading, FileWithCrlfAndLongLineLoads)
{
    TempWorkDir dir;
    writeFile("game.ini", "resx=1024\r\nname=" + std::string(5000, 'n') + "\r\nbright=5\r\n");
    const IniFile ini(L"game.ini");
    ASSERT_TRUE(ini.isLoaded());
    EXPECT_EQ(ini.getInt(L"resx"), 1024);
    EXPECT_EQ(ini.getInt(L"bright"), 5);
    EXPECT_EQ(ini.getString(L"name").size(), 5000u);
}

TEST(IniReading, EmptyFileLoadsWithEveryKeyMissing)
{
    TempWorkDir dir;
    writeFile("game.ini", "");
    const IniFile ini(L"game.ini");
    EXPECT_TRUE(ini.isLoaded());
    const Talvoren::GameSettings settings = Talvoren::readGameSettings(ini);
    EXPECT_EQ(settings.resX, -1);
    EXPECT_EQ(settings.volume, -1);
    EXPECT_FALSE(settings.fullscreen);
}

TEST(IniReading, MissingFileReportsAndAnswersAsMissing)
{
    TempWorkDir dir;
    testing::internal::CaptureStderr();
    const IniFile ini(L"game.ini");
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(ini.isLoaded());
    EXPECT_NE(messages.find("Could not load INI file game.ini!"), std::string::npos) << messages;
    EXPECT_EQ(ini.getInt(L"resx"), -1);
}

TEST(IniReading, ReloadKeepsOldValuesAndTakesNewOnes)
{
    TempWorkDir dir;
    writeFile("a.ini", "aa=2\nfov=60\n");
    writeFile("b.ini", "aa=4\n");
    IniFile ini(L"a.ini");
    ini.reload(L"b.ini");
    EXPECT_TRUE(ini.isLoaded());
    EXPECT_EQ(ini.getInt(L"aa"), 4);
    EXPECT_EQ(ini.getInt(L"fov"), 60);
}

TEST(GameSettingsFile, WrittenLayoutReadsBackToTheSameValues)
{
    TempWorkDir dir;
    Talvoren::GameSettings settings;
    settings.resX = 1600;
    settings.resY = 900;
    settings.fullscreen = true;
    settings.vsync = true;
    settings.antiAlias = 8;
    settings.fov = 75;
    settings.bright = 2;
    settings.debug = false;
    settings.volume = 35;
    writeFile("game.ini", std::string(4000, '#') + "\nold tail that must disappear\n");
    ASSERT_TRUE(Talvoren::writeGameSettings("game.ini", settings));

    const std::string text = readFile("game.ini");
    EXPECT_EQ(text, "[graphics]\n#set to -1 for screen resolution\nresx=1600\nresy=900\nfullscreen=true\n"
                    "vsynch=true\naa=8\nfov=75\nbright=2\n\n[game]\ndebug=false\n\n[sound]\nvolume=35\n");
    const Talvoren::GameSettings back = Talvoren::readGameSettings(IniFile(L"game.ini"));
    EXPECT_EQ(back.resX, 1600);
    EXPECT_EQ(back.resY, 900);
    EXPECT_TRUE(back.fullscreen);
    EXPECT_TRUE(back.vsync);
    EXPECT_EQ(back.antiAlias, 8);
    EXPECT_EQ(back.fov, 75);
    EXPECT_EQ(back.bright, 2);
    EXPECT_FALSE(back.debug);
    EXPECT_EQ(back.volume, 35);
    EXPECT_FALSE(std::filesystem::exists("game.ini.tmp"));
}

TEST(GameSettingsFile, LayoutIgnoresTheGlobalLocale)
{
    const testsupport::CommaDecimalLocale commaDecimals;
    Talvoren::GameSettings settings;
    settings.resX = 1920;
    settings.volume = 1000;
    const std::string text = Talvoren::formatGameSettings(settings);
    EXPECT_NE(text.find("resx=1920\n"), std::string::npos) << text;
    EXPECT_NE(text.find("volume=1000\n"), std::string::npos) << text;
}

TEST(GameSettingsFile, LinkedFileIsReplacedAtItsTarget)
{
    TempWorkDir dir;
    writeFile("config/game.ini", "resx=800\n");
    std::filesystem::create_symlink("config/game.ini", "game.ini");
    Talvoren::GameSettings settings;
    settings.resX = 1600;

    ASSERT_TRUE(Talvoren::writeGameSettings("game.ini", settings));
    EXPECT_TRUE(std::filesystem::is_symlink("game.ini"));
    EXPECT_EQ(Talvoren::readGameSettings(IniFile(L"config/game.ini")).resX, 1600);
    EXPECT_EQ(testsupport::listFiles("config"), (std::vector<std::string>{"game.ini"}));
}

TEST(GameSettingsFile, ReplacedFileKeepsItsMode)
{
    namespace fs = std::filesystem;
    TempWorkDir dir;
    writeFile("game.ini", "resx=800\n");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions("game.ini", mode);

    ASSERT_TRUE(Talvoren::writeGameSettings("game.ini", Talvoren::GameSettings()));
    EXPECT_EQ(fs::status("game.ini").permissions(), mode);
}

TEST(GameSettingsFile, UnwritableFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    TempWorkDir dir;
    writeFile("ro/game.ini", "resx=800\n");
    std::filesystem::permissions("ro", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool written = Talvoren::writeGameSettings("ro/game.ini", Talvoren::GameSettings());
    std::filesystem::permissions("ro", std::filesystem::perms::owner_all);
    EXPECT_FALSE(written);
    EXPECT_EQ(readFile("ro/game.ini"), "resx=800\n");
}


TEST(GameSettingsFile, MissingFileIsNotCreated)
{
    TempWorkDir dir;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Talvoren::writeGameSettings("game.ini", Talvoren::GameSettings()));
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(std::filesystem::exists("game.ini"));
    EXPECT_FALSE(std::filesystem::exists("game.ini.tmp"));
}

TEST(GameSettingsFile, SettingsFileThatCannotBeOpenedIsLeftAsItIs)
{
    TempWorkDir dir;
    std::filesystem::create_directories("game.ini/inside");
    testing::internal::CaptureStderr();
    const bool written = Talvoren::writeGameSettings("game.ini", Talvoren::GameSettings());
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(written);
    EXPECT_TRUE(std::filesystem::is_directory("game.ini/inside"));
    EXPECT_FALSE(std::filesystem::exists("game.ini.tmp"));
    EXPECT_EQ(messages, "") << "the caller reports it";
}
