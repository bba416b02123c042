// What start.omx puts into the level stands where the floor plan lets it stand.

#include "code/src/logic/dungeon/objectcatalog.h"
#include "code/src/world/mapcoord.h"
#include "tests/data/scriptcalls.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <set>
#include <string>
#include <utility>

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

    //! The ids of the objects the scenes (every script but start.omx) remove.
    static std::set<irr::f64> objectsScenesRemove()
    {
        std::set<irr::f64> ids;
        for (const std::string& name : datatest::shippedScriptNames())
            if (name != "start.omx")
                for (const ScriptCall& call : datatest::readScriptCalls(name))
                    if (call.command == L"removeObject")
                        ids.insert(call.numbers.at(0));
        return ids;
    }

    //! Whether the call creates an item whose object a later scene removes, giving the item by name instead.
    bool handedOverByAScene(const ScriptCall& call) const
    {
        const Belgarune::LevelObjectKind* object = Belgarune::findLevelObject(call.firstText().c_str());
        return call.command == L"create" && object && object->change == Belgarune::WorldChange::Item &&
               m_removedByScenes.count(call.numbers.back()) > 0;
    }

    //! Whether some spot of map cell (x, y), at the height given, is within an item's reach.
    bool itemInReachFromCell(irr::s32 x, irr::s32 y, irr::f32 height) const
    {
        for (irr::s32 dx = -5; dx <= 5; ++dx)
            for (irr::s32 dz = -5; dz <= 5; ++dz)
            {
                const irr::core::vector3df eye =
                    Belgarune::gridToWorld({x, y}) +
                    irr::core::vector3df(static_cast<irr::f32>(dx), height, static_cast<irr::f32>(dz));
                if (m_world->findItemNear(eye))
                    return true;
            }
        return false;
    }

    const std::set<irr::f64> m_removedByScenes = objectsScenesRemove();
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
        // Platforms wait in the pit they will bridge, and a key a scene hands over in a sealed niche.
        else if (call.firstText() == L"PLATFORM" || handedOverByAScene(call))
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

// A scene's removeObject takes away only the sight of an item: the item stays,
// and its pick-up prompt shows wherever the view comes within its reach, over
// any notice. So an item a scene hands over lies where no spot of a walkable
// cell, nor of one a script opens later, comes within reach, even at the
// item's own height.
TEST_F(StartScriptTest, ItemsASceneHandsOverLeaveNoPromptInReach)
{
    std::set<std::pair<irr::s32, irr::s32>> opened;
    for (const std::string& name : datatest::shippedScriptNames())
        for (const ScriptCall& call : datatest::readScriptCalls(name))
            if ((call.command == L"setWalkable" || call.command == L"setFloor") && call.cell)
                opened.insert({call.cellX(), call.cellY()});
    int handedOver = 0;
    for (const ScriptCall& call : datatest::readScriptCalls("start.omx"))
    {
        if (!handedOverByAScene(call))
            continue;
        ++handedOver;
        const Belgarune::LevelObjectKind& object = *Belgarune::findLevelObject(call.firstText().c_str());
        const irr::core::vector3df item =
            Belgarune::gridToWorld({call.cellX(), call.cellY()}) + irr::core::vector3df(0.0f, object.height, 0.0f);
        m_world->addItem(item, static_cast<irr::u32>(call.numbers.back()), object.kind);
        for (irr::s32 x = call.cellX() - 3; x <= call.cellX() + 3; ++x)
            for (irr::s32 y = call.cellY() - 3; y <= call.cellY() + 3; ++y)
                if (isWalkable(x, y) || opened.count({x, y}) > 0)
                {
                    EXPECT_FALSE(itemInReachFromCell(x, y, item.Y))
                        << describe(call) << " is in reach from cell " << x << "," << y;
                }
    }
    EXPECT_GE(handedOver, 1);
}
} // namespace
