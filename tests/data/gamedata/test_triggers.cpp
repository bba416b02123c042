// The triggers and respawn points the shipped scripts arm: each one exists
// before it is given a condition, can be reached, and the finale fires only by song.

#include "tests/data/scriptcalls.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
using datatest::ScriptCall;

class ShippedTriggersTest : public datatest::BuiltLevelTest
{
protected:
    //! Every call of every shipped script, with its script's name.
    static std::vector<std::pair<std::string, ScriptCall>> allCalls()
    {
        std::vector<std::pair<std::string, ScriptCall>> calls;
        for (const std::string& name : datatest::shippedScriptNames())
            for (const ScriptCall& call : datatest::readScriptCalls(name))
                calls.push_back({name, call});
        return calls;
    }
};

TEST_F(ShippedTriggersTest, ConditionsAndCountsNameTriggersThatExist)
{
    std::set<irr::s32> created;
    for (const ScriptCall& call : datatest::readScriptCalls("start.omx"))
        if (call.command == L"createScriptTrigger")
            created.insert(static_cast<irr::s32>(call.numbers.at(0)));
    int named = 0;
    for (const auto& [script, call] : allCalls())
        if (call.command == L"addTriggerCondition" || call.command == L"setTriggerCount")
        {
            ++named;
            EXPECT_TRUE(created.count(static_cast<irr::s32>(call.numbers.at(0)))) << script;
        }
    EXPECT_GT(named, 10);
}

// The player's eye is 7 above the floor, where areas and respawn points lie.
TEST_F(ShippedTriggersTest, AreasAndRespawnPointsLieOnFloorAndReachAboveEyeHeight)
{
    int places = 0;
    for (const auto& [script, call] : allCalls())
    {
        const bool area = call.command == L"addTriggerCondition" && call.firstText() == L"IN_AREA";
        if (!area && call.command != L"registerRespawnPoint")
            continue;
        ++places;
        ASSERT_TRUE(call.cell) << script;
        // Areas are given in world units, respawn points as map cells.
        const irr::s32 scale = area ? 10 : 1;
        EXPECT_TRUE(isWalkable(call.cellX() / scale, call.cellY() / scale))
            << script << " at " << call.cellX() << "," << call.cellY();
        EXPECT_GT(call.afterCell().at(0), 7.0) << script << " at " << call.cellX() << "," << call.cellY();
    }
    EXPECT_GT(places, 15);
}

// The finale checks the keys only when its song fires it.
TEST_F(ShippedTriggersTest, TheFinaleHasASongAndNoArea)
{
    int songs = 0;
    for (const auto& [script, call] : allCalls())
        if (call.command == L"addTriggerCondition" && call.numbers.at(0) == 17)
        {
            EXPECT_EQ(call.firstText(), L"PLAY_MUSIC") << script;
            ++songs;
        }
    EXPECT_EQ(songs, 1);
}
} // namespace
