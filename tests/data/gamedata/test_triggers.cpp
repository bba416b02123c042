// The triggers and respawn points the shipped scripts arm: each one exists
// before it is given a condition, can be reached, and the finale fires only by song.

#include "code/src/logic/dungeon/dungeonthreat.h"
#include "code/src/songs/songtable.h"
#include "tests/data/scriptcalls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <queue>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace
{
using datatest::ScriptCall;

//! A trigger with an area: its count and the area's centre and radius, in map coordinates times ten.
struct AreaTrigger
{
    irr::f64 count = 0, x = 0, y = 0, radius = 0;
};

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

    //! The trigger that runs the shipped script, with the area start.omx gives it.
    AreaTrigger areaTrigger(const std::wstring& script) const
    {
        irr::f64 id = -1;
        AreaTrigger trigger;
        for (const ScriptCall& call : m_start)
            if (call.command == L"createScriptTrigger" && call.firstText() == L"gamedata/scripts/" + script)
            {
                id = call.numbers.at(0);
                trigger.count = call.numbers.at(1);
            }
            else if (call.command == L"addTriggerCondition" && call.numbers.at(0) == id && call.cell)
            {
                trigger.x = call.cellX();
                trigger.y = call.cellY();
                trigger.radius = call.afterCell().at(0);
            }
        return trigger;
    }

    //! The cells of the cell door, in map coordinates.
    std::vector<std::pair<irr::s32, irr::s32>> cellDoor() const
    {
        std::vector<std::pair<irr::s32, irr::s32>> cells;
        for (const ScriptCall& call : m_start)
            if (call.command == L"create" && call.firstText() == L"DOOR_CELL_1")
                cells.push_back({call.cellX(), call.cellY()});
        return cells;
    }

    const std::vector<ScriptCall> m_start = datatest::readScriptCalls("start.omx");
};

TEST_F(ShippedTriggersTest, ConditionsAndCountsNameTriggersThatExist)
{
    std::set<irr::s32> created;
    for (const ScriptCall& call : m_start)
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

    const AreaTrigger warning = areaTrigger(L"stonewarning.omx");
    ASSERT_GT(warning.radius, 0.0) << "the warning has no area";
    EXPECT_EQ(warning.count, 1.0);
    EXPECT_GE(std::hypot(warning.x - threatX, warning.y - threatY) - warning.radius, kReach);

    auto inArea = [&](irr::s32 x, irr::s32 y) {
        return std::hypot(10.0 * x - warning.x, 10.0 * y - warning.y) < warning.radius;
    };
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

// The cell door closes the crusher corridor across its whole width; once sunk,
// a straight walk south from anywhere across the corridor goes into the vault.
TEST_F(ShippedTriggersTest, TheSunkCellDoorLetsAStraightWalkThroughFromAnywhereAcrossTheCorridor)
{
    const auto door = cellDoor();
    ASSERT_FALSE(door.empty());
    // The door shuts its cells as it is created; sinking, it sets them as vaultdoor.omx says.
    for (const auto& [x, y] : door)
        setWalkable(x, y, false);
    std::vector<std::pair<irr::s32, irr::s32>> opened;
    for (const ScriptCall& call : datatest::readScriptCalls("vaultdoor.omx"))
        if (call.command == L"setWalkable")
        {
            opened.push_back({call.cellX(), call.cellY()});
            ASSERT_EQ(call.flags.size(), 1u);
            setWalkable(call.cellX(), call.cellY(), call.flags[0]);
        }
    EXPECT_TRUE(std::is_permutation(door.begin(), door.end(), opened.begin(), opened.end()));

    const irr::s32 row = door.front().second;
    const irr::f32 northZ = 5000.0f - 10.0f * static_cast<irr::f32>(row - 10);
    const irr::f32 southZ = 5000.0f - 10.0f * static_cast<irr::f32>(row + 4);
    int lines = 0;
    for (irr::f32 x = 2570.0f; x <= 2630.0f; x += 1.0f)
    {
        if (m_world->collides(irr::core::vector3df(x, 0.0f, northZ), false))
            continue;
        ++lines;
        for (irr::f32 z = northZ; z >= southZ; z -= 1.0f)
            ASSERT_FALSE(m_world->collides(irr::core::vector3df(x, 0.0f, z), false))
                << "a straight walk at x " << x << " is caught at map row " << (5000.0f - z) / 10.0f;
        const auto cell = std::make_pair(static_cast<irr::s32>(std::lround(x / 10.0f)), row);
        EXPECT_NE(std::find(door.begin(), door.end(), cell), door.end()) << "the door leaves x " << x << " open";
    }
    EXPECT_GE(lines, 20) << "the corridor is narrower than two cells";
}

// Played where the warning stops him, the Requiem lasts while the hero walks
// straight on under the stone, through the door (down before he reaches it)
// and into the vault's scene, with time to spare, on every line across the
// corridor and however the checks of the areas fall.
TEST_F(ShippedTriggersTest, UnderTheRequiemTheVaultIsReachedWithFiveSecondsToSpare)
{
    const irr::f64 kSlowedSpeed = 0.0125 * 0.75; // units per ms
    const irr::f64 kAreaCheckMs = 1500.0;
    const irr::f64 requiemMs = Belgarune::findSong(static_cast<irr::s32>(Belgarune::SongId::Requiem))->effect.durationMs;
    irr::f64 sinkMs = 0;
    for (const ScriptCall& call : datatest::readScriptCalls("vaultdoor.omx"))
        if (call.command == L"moveNode")
            sinkMs = std::max(sinkMs, call.numbers.at(4));
    ASSERT_GT(sinkMs, 0.0);

    const AreaTrigger warning = areaTrigger(L"stonewarning.omx"), door = areaTrigger(L"vaultdoor.omx"),
                      vault = areaTrigger(L"vault.omx");
    for (const AreaTrigger& area : {warning, door, vault})
        ASSERT_GT(area.radius, 0.0);
    // Where a walk along the line x first comes into an area; areas give y as map y times ten.
    auto entry = [](const AreaTrigger& area, irr::f64 x) {
        const irr::f64 dx = x - area.x;
        return std::fabs(dx) < area.radius ? area.y - std::sqrt(area.radius * area.radius - dx * dx) : 1e9;
    };
    const irr::f64 doorRow = cellDoor().front().second;
    const irr::f64 reachesDoor = 10.0 * doorRow - 5.0 - 3.0; // a blocked cell keeps a body 3 units off
    for (irr::f64 x = 2588.0; x <= 2612.0; x += 1.0)
    {
        const irr::f64 start = entry(warning, x);
        auto walkMs = [&](irr::f64 y) { return (y - start) / kSlowedSpeed; };
        EXPECT_LE(walkMs(entry(door, x)) + kAreaCheckMs + sinkMs, walkMs(reachesDoor))
            << "at x " << x << " the hero waits at the closed door";
        EXPECT_GT(entry(vault, x), reachesDoor) << "at x " << x << " the vault's scene starts before the closed door";
        EXPECT_GE(requiemMs - (walkMs(entry(vault, x)) + kAreaCheckMs), 5000.0)
            << "at x " << x << " the vault is reached with too little of the Requiem left";
    }
}
} // namespace
