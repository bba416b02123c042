// The generator's file table against the game tree and against the paths the code loads.
#include "tools/assetgen/assettable.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

const std::string kGameDir = BELGARUNE_GAME_DIR;
const fs::path kSourceRoot = fs::path(BELGARUNE_DATA_DIR).parent_path();

//! Files the build puts into the game tree by other means than the generator.
const std::set<std::string> kProvidedElsewhere = {"gamedata/fonts/Bahiana-Regular.ttf"};

std::set<std::string> tablePaths()
{
    std::set<std::string> paths;
    for (const assetgen::AssetEntry& entry : assetgen::assetTable())
        paths.insert(entry.path);
    return paths;
}

//! True when `spelled` (as written in code, maybe only the end of a path) names a known file.
bool known(const std::set<std::string>& paths, std::string spelled)
{
    // Source text spells a backslash as two; either way it separates folders.
    for (size_t at = spelled.find("\\\\"); at != std::string::npos; at = spelled.find("\\\\"))
        spelled.replace(at, 2, "/");
    for (char& c : spelled)
        if (c == '\\')
            c = '/';
    auto names = [&spelled](const std::string& path) {
        if (path == spelled)
            return true;
        return path.size() > spelled.size() && path[path.size() - spelled.size() - 1] == '/' &&
               path.compare(path.size() - spelled.size(), spelled.size(), spelled) == 0;
    };
    for (const std::string& path : paths)
        if (names(path))
            return true;
    for (const std::string& path : kProvidedElsewhere)
        if (names(path))
            return true;
    return false;
}

TEST(AssetTable, PathsAreUniqueAndRelative)
{
    std::set<std::string> seen;
    for (const assetgen::AssetEntry& entry : assetgen::assetTable())
    {
        EXPECT_TRUE(seen.insert(entry.path).second) << "twice: " << entry.path;
        EXPECT_NE(entry.path.front(), '/') << entry.path;
        EXPECT_EQ(entry.path.find('\\'), std::string::npos) << entry.path;
    }
}

TEST(AssetTable, EveryEntryExistsInTheGameTree)
{
    for (const assetgen::AssetEntry& entry : assetgen::assetTable())
    {
        const fs::path file = fs::path(kGameDir) / entry.path;
        ASSERT_TRUE(fs::is_regular_file(file)) << entry.path;
        EXPECT_GT(fs::file_size(file), 0u) << entry.path;
    }
}

TEST(AssetTable, NoTwoFilesHoldTheSameBytes)
{
    // Each file shows the picture or plays the sound its users expect: a copy stands in for a missing one.
    std::map<std::string, std::string> firstWithBytes;
    for (const assetgen::AssetEntry& entry : assetgen::assetTable())
    {
        const auto [found, added] =
            firstWithBytes.emplace(testsupport::readFile(kGameDir + "/" + entry.path), entry.path);
        EXPECT_TRUE(added) << entry.path << " is a copy of " << found->second;
    }
}

//! Every file the game loads by name, spelled as it loads it (case and folders matter on Linux).
std::vector<std::string> filesTheGameLoads()
{
    std::vector<std::string> files = {
        "Talvoren/systemFont.bmp", "talvoren/logo.png", "gamedata/map.png", "gamedata/tq_logo.png",
        "gamedata/irr_logo.png", "gamedata/klang_logo.png", "gamedata/QVStrichMenu.png"};
    for (const char* gui : {"QVTitle", "hp", "d1", "key1", "lines", "lines2", "ColorNotepurple", "ColorNoteblue",
                            "ColorNotegreen", "ColorNoteyellow", "ColorNotered", "song1", "song2", "song3", "song4",
                            "song5", "song6"})
        files.push_back(std::string("gamedata/gui/") + gui + ".png");
    const std::vector<std::string> objects = {
        "font.png", "font2.png", "QVMapBack.png", "fog.jpg", "dust1.jpg", "dust1.png", "distortion.png",
        "blood1.png", "blood2.png", "blood3.png", "QVMask1_cm.png", "QVMask2B_cm.png", "QVMask3_cm.png",
        "QVSistermask.png", "QVBoden1.png", "QVBoden1_cm.png", "QVBoden2.png", "QVBoden2_cm.png", "QVBoden3.png",
        "QVBoden3_cm.png", "QVBoden4.png", "QVBoden4_cm.png", "QVBoden4Uebergang.png", "QVBoden4Uebergang_cm.png",
        "QVWallBig2_cm.png", "QVWall3A2_cm.png", "QVWall5.png", "QVWall7.png", "QVWallBig2Lightversion.png",
        "QVWall4CreepyEdition.png", "QVWall6_cm.png", "QVWall6_2.png", "QVSaeule_cm.png", "QVBannerClear.png",
        "QVBanner1.png", "QVBanner1_cm.png", "QVBanner2.png", "QVBanner2_cm.png", "QVBanner3.png",
        "QVBanner3_cm.png", "QVBanner4.png", "QVPuzzle2A.png", "QVPuzzle2A_cm.png", "QVPuzzle2B.png",
        "QVPuzzle2B_cm.png", "QVPuzzle2C.png", "QVPuzzle2C_cm.png", "QVPuzzle2D.png", "QVPuzzle2D_cm.png",
        "qvRelief1.png", "qvRelief_cm.png", "qvRelief2.png", "qvRelief2_cm.png", "blocktuer1_cm.png",
        "tex_gittertuer_cm.png", "qv_topf1B_cm.png", "QVsaule1B_cm.png", "muschel_uv_b.png",
        "QVGraveQueen_cm.png", "QVGraveChild_cm.png", "GraveUnknown_cm.png", "QVMapBack2_cm.png",
        "qvHealing_cm.png", "Plattform_cm.png", "timebubble.x", "mask1.x", "mask2.x", "mask2_m.x", "mask3.x",
        "mask4.x", "wall1.x", "wall2.x", "wall3.x", "wall4.x", "git1.x", "git2.x", "door1.X", "door2.X",
        "topf1.X", "podest1.X", "inst.X", "saule1.X", "ceil.X", "light1.X", "keystone.X", "grave_1.X",
        "grave_2.X", "grave_3.X", "map.X", "kill1.X", "item_vio.X", "item_bass.X", "item_alt.X", "hs.X", "plat.X",
        "plat2.X"};
    for (const std::string& object : objects)
        files.push_back("gamedata/objects/" + object);
    for (int n = 1; n <= 3; ++n)
        for (const char* state : {"A.png", "A_cm.png", "B.png"})
            files.push_back("gamedata/objects/QVKeystone" + std::to_string(n) + state);
    for (int variant = 2; variant <= 7; ++variant)
        files.push_back("gamedata/objects/door1_" + std::to_string(variant) + ".X");
    for (const char* music : {"flute.ogg", "title_start.ogg", "title_loop.ogg", "wachstum.ogg", "licht2.ogg",
                              "zeitbubble1.ogg", "sinister-child-laughing-2.wav", "breaking_wood.wav", "detected.wav",
                              "hit9.wav", "accept.wav", "cancel.wav", "cursor.wav"})
        files.push_back(std::string("gamedata/music/") + music);
    for (int n : {1, 2, 3, 4, 6, 7, 8, 9})
        files.push_back("gamedata/music/ambience" + std::to_string(n) + ".wav");
    for (const char* tone : {"D", "F", "A", "B", "D1"})
        for (const char* set : {"", "_mask1", "_mask2", "_mask3"})
            files.push_back(std::string("sounds/") + tone + set + ".wav");
    return files;
}

TEST(AssetTable, HoldsEveryFileTheGameLoadsByName)
{
    const std::set<std::string> paths = tablePaths();
    const std::vector<std::string> loaded = filesTheGameLoads();
    for (const std::string& path : loaded)
        EXPECT_TRUE(paths.count(path)) << path;
    EXPECT_EQ(std::set<std::string>(loaded.begin(), loaded.end()).size(), loaded.size()) << "a file listed twice";
}

TEST(AssetTable, CoversEveryAssetPathInTheSources)
{
    const std::set<std::string> paths = tablePaths();
    const std::regex literal("\"([^\"\\s]+\\.(png|jpg|bmp|x|X|wav|ogg|ttf))\"");
    int found = 0;
    for (const char* folder : {"code", "talvoren", "gui", "platform", "data"})
    {
        if (!fs::exists(kSourceRoot / folder))
            continue;
        for (const auto& item : fs::recursive_directory_iterator(kSourceRoot / folder))
        {
            if (!item.is_regular_file())
                continue;
            std::ifstream in(item.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string content = text.str();
            for (std::sregex_iterator it(content.begin(), content.end(), literal), end; it != end; ++it)
            {
                ++found;
                EXPECT_TRUE(known(paths, (*it)[1].str()))
                    << (*it)[1].str() << " (in " << item.path().lexically_relative(kSourceRoot).string() << ")";
            }
        }
    }
    std::cout << found << " asset paths found in the sources\n";
}
} // namespace
