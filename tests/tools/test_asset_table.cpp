// The generator's file table against the game tree and against the paths the code loads.
#include "tools/assetgen/assettable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

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

TEST(AssetTable, HoldsTheFilesTheGameLoadsByName)
{
    // Spot checks of the names most easily misspelled (case and folders matter on Linux).
    const std::set<std::string> paths = tablePaths();
    for (const char* path : {"Talvoren/systemFont.bmp", "talvoren/logo.png", "gamedata/QVStrichMenu.png",
                             "gamedata/gui/QVTitle.png", "gamedata/objects/QVMapBack.png", "gamedata/objects/font2.png",
                             "gamedata/objects/QVBoden4Uebergang_cm.png", "gamedata/objects/qvRelief_cm.png",
                             "gamedata/objects/GraveUnknown_cm.png", "gamedata/objects/door1_7.X",
                             "gamedata/objects/mask2_m.x", "gamedata/music/sinister-child-laughing-2.wav",
                             "sounds/D1_mask3.wav", "gamedata/music/zeitbubble1.ogg"})
        EXPECT_TRUE(paths.count(path)) << path;
    int tones = 0;
    for (const std::string& path : paths)
        tones += path.rfind("sounds/", 0) == 0 ? 1 : 0;
    EXPECT_EQ(tones, 20);
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
