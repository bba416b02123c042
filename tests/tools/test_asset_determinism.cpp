// Two runs of the generator give the same bytes.
#include "tools/assetgen/assettable.h"
#include "tools/assetgen/generator.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{
const std::string kLayout = std::string(BELGARUNE_DATA_DIR) + "/layout/map.txt";
const std::string kSongs = std::string(BELGARUNE_DATA_DIR) + "/gamedata/songs.txt";

TEST(AssetGenerator, RegeneratesTheGameTreeByteForByte)
{
    testsupport::TempWorkDir work;
    std::ostringstream log;
    ASSERT_EQ(assetgen::generateAssets(work.path() + "/out", kLayout, kSongs, log), 0) << log.str();
    for (const assetgen::AssetEntry& entry : assetgen::assetTable())
    {
        const std::string fresh = testsupport::readFile(work.path() + "/out/" + entry.path);
        const std::string built = testsupport::readFile(std::string(BELGARUNE_GAME_DIR) + "/" + entry.path);
        ASSERT_FALSE(fresh.empty()) << entry.path;
        EXPECT_TRUE(fresh == built) << entry.path << " differs between runs";
    }
}

TEST(AssetGenerator, ReportsAnUnwritableTarget)
{
    testsupport::TempWorkDir work;
    testsupport::writeFile(work.path() + "/blocked", "a file where the tree's folder should be");
    std::ostringstream log;
    EXPECT_GT(assetgen::generateAssets(work.path() + "/blocked", kLayout, kSongs, log), 0);
    EXPECT_NE(log.str().find("could not write"), std::string::npos);
}
} // namespace
