// The triggers and respawn points the shipped scripts arm: each one exists
// before it is given a condition, can be reached, and the finale fires only by song.

#include "code/src/logic/dungeon/dungeonthreat.h"
#include "tests/data/scriptcalls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <queue>
#include <set>
#include <string>
#include <utility>

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

// The stone's warning fires once, wholly short of the stone's reach, and no
// walk from the hub comes within that reach without crossing its area.
TEST_F(ShippedTriggersTest, TheStonesWarningStandsAcrossTheWayBeforeItsReach)
{
    const irr::f64 kReach = 26.0;
    const irr::core::vector3df threat = Belgarune::DungeonThreat::position();
    // Areas are written as map coordinates times ten.
    const irr::f64 threatX = threat.X, threatY = 5000.0 - threat.Z;

    irr::s32 warning = -1;
    irr::f64 count = 0, centreX = 0, centreY = 0, radius = 0;
    for (const ScriptCall& call : datatest::readScriptCalls("start.omx"))
        if (call.command == L"createScriptTrigger" && call.firstText() == L"gamedata/scripts/stonewarning.omx")
        {
            warning = static_cast<irr::s32>(call.numbers.at(0));
            count = call.numbers.at(1);
        }
        else if (call.command == L"addTriggerCondition" && call.numbers.at(0) == warning && call.cell)
        {
            centreX = call.cellX();
            centreY = call.cellY();
            radius = call.afterCell().at(0);
        }
    ASSERT_GT(radius, 0.0) << "the warning has no area";
    EXPECT_EQ(count, 1.0);
    EXPECT_GE(std::hypot(centreX - threatX, centreY - threatY) - radius, kReach);

    auto inArea = [&](irr::s32 x, irr::s32 y) { return std::hypot(10.0 * x - centreX, 10.0 * y - centreY) < radius; };
    // Cell centres lie half a cell from the cell's edge, where a walker may already be.
    auto inReach = [&](irr::s32 x, irr::s32 y) {
        return std::hypot(10.0 * x - threatX, 10.0 * y - threatY) < kReach + 5.0;
    };
    std::set<std::pair<irr::s32, irr::s32>> seen{{252, 242}};
    std::queue<std::pair<irr::s32, irr::s32>> open;
    open.push({252, 242});
    while (!open.empty())
    {
        const auto [x, y] = open.front();
        open.pop();
        ASSERT_FALSE(inReach(x, y)) << "the stone's reach is walked into without the warning, at " << x << "," << y;
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        {
            const std::pair<irr::s32, irr::s32> next{x + dx, y + dy};
            if (isWalkable(next.first, next.second) && !inArea(next.first, next.second) && seen.insert(next).second)
                open.push(next);
        }
    }
    EXPECT_GT(seen.size(), 100u);
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
