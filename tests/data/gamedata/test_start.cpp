// What start.omx puts into the level stands where the floor plan lets it stand.

#include "tests/data/scriptcalls.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <set>
#include <string>

namespace
{
using datatest::ScriptCall;

class StartScriptTest : public datatest::BuiltLevelTest
{
protected:
    static std::string describe(const ScriptCall& call)
    {
        return std::string(call.command.begin(), call.command.end()) + " " +
               std::string(call.firstText().begin(), call.firstText().end()) + " at " +
               std::to_string(call.cellX()) + "," + std::to_string(call.cellY());
    }
};

TEST_F(StartScriptTest, ObjectsActorsAndRespawnsStandOnFloor)
{
    int placed = 0;
    for (const ScriptCall& call : datatest::readScriptCalls("start.omx"))
    {
        const bool onCell = call.command == L"create" || call.command == L"addObject" ||
                            call.command == L"placeCharacter" || call.command == L"setBars" ||
                            call.command == L"registerRespawnPoint";
        if (!onCell)
            continue;
        ASSERT_TRUE(call.cell) << describe(call);
        const irr::s32 x = call.cellX(), y = call.cellY();
        ++placed;
        // Panels are set into the wall itself, facing a floor.
        if (call.firstText() == L"Q1_1")
        {
            EXPECT_TRUE(isWall(x, y)) << describe(call);
            EXPECT_TRUE(isFloor(x, y + 1) || isFloor(x, y - 1) || isFloor(x + 1, y) || isFloor(x - 1, y))
                << describe(call);
        }
        // Platforms wait in the pit they will bridge.
        else if (call.firstText() == L"PLATFORM")
            EXPECT_TRUE(isFloor(x, y) && !isWalkable(x, y)) << describe(call);
        else
            EXPECT_TRUE(isWalkable(x, y)) << describe(call);
    }
    EXPECT_GT(placed, 40);
}

TEST_F(StartScriptTest, EveryPanelLookIsShown)
{
    std::set<irr::f64> looks;
    for (const ScriptCall& call : datatest::readScriptCalls("start.omx"))
        if (call.command == L"addObject" && call.firstText() == L"Q1_1")
            looks.insert(call.afterCell().at(1));
    EXPECT_EQ(looks, (std::set<irr::f64>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(StartScriptTest, TheThreatAndTheKeystonesCarryTheIdsTheGameLooksFor)
{
    struct Fixed
    {
        const wchar_t* type;
        irr::s32 x;
        irr::s32 y;
        irr::f64 id;
        //! The look the game lights for the key, or 0 for none.
        irr::f64 variant;
    };
    const Fixed fixed[] = {{L"KILLS_T", 260, 260, 121, 0}, {L"KEYSTONE", -1, -1, 12, 1}, {L"KEYSTONE", -1, -1, 10, 2},
                           {L"KEYSTONE", -1, -1, 11, 3}};
    const std::vector<ScriptCall> calls = datatest::readScriptCalls("start.omx");
    for (const Fixed& wanted : fixed)
    {
        bool found = false;
        for (const ScriptCall& call : calls)
        {
            if (call.firstText() != wanted.type || !call.cell)
                continue;
            const std::vector<irr::f64> rest = call.afterCell();
            found = found || (!rest.empty() && rest.back() == wanted.id &&
                              (wanted.variant == 0 || (rest.size() == 3 && rest[1] == wanted.variant)) &&
                              (wanted.x < 0 || (call.cellX() == wanted.x && call.cellY() == wanted.y)));
        }
        EXPECT_TRUE(found) << std::string(wanted.type, wanted.type + wcslen(wanted.type)) << " " << wanted.id;
    }
}
} // namespace
