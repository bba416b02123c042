// What start.omx puts into the level stands where the floor plan lets it stand.

#include "tests/data/startscript.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace
{
using datatest::CellCall;

class StartScriptTest : public datatest::BuiltLevelTest
{
protected:
    static std::string describe(const CellCall& call)
    {
        return std::string(call.command.begin(), call.command.end()) + " " +
               std::string(call.type.begin(), call.type.end()) + " at " + std::to_string(call.x) + "," +
               std::to_string(call.y);
    }
};

TEST_F(StartScriptTest, ObjectsActorsAndRespawnsStandOnFloor)
{
    int placed = 0;
    for (const CellCall& call : datatest::startScriptCells())
    {
        const bool onCell = call.command == L"create" || call.command == L"addObject" ||
                            call.command == L"placeCharacter" || call.command == L"setBars" ||
                            call.command == L"registerRespawnPoint";
        if (!onCell)
            continue;
        ++placed;
        // Panels are set into the wall itself, facing a floor.
        if (call.type == L"Q1_1")
        {
            EXPECT_TRUE(isWall(call.x, call.y)) << describe(call);
            EXPECT_TRUE(isFloor(call.x, call.y + 1) || isFloor(call.x, call.y - 1) || isFloor(call.x + 1, call.y) ||
                        isFloor(call.x - 1, call.y))
                << describe(call);
        }
        // Platforms wait in the pit they will bridge.
        else if (call.type == L"PLATFORM")
            EXPECT_TRUE(isFloor(call.x, call.y) && !isWalkable(call.x, call.y)) << describe(call);
        else
            EXPECT_TRUE(isWalkable(call.x, call.y)) << describe(call);
    }
    EXPECT_GT(placed, 40);
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
    const std::vector<CellCall> calls = datatest::startScriptCells();
    for (const Fixed& wanted : fixed)
    {
        bool found = false;
        for (const CellCall& call : calls)
            found = found || (call.type == wanted.type && !call.numbers.empty() && call.numbers.back() == wanted.id &&
                              (wanted.variant == 0 || (call.numbers.size() == 3 && call.numbers[1] == wanted.variant)) &&
                              (wanted.x < 0 || (call.x == wanted.x && call.y == wanted.y)));
        EXPECT_TRUE(found) << std::string(wanted.type, wanted.type + wcslen(wanted.type)) << " " << wanted.id;
    }
}
} // namespace
