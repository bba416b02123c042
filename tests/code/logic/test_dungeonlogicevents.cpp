// Each event the dungeon logic handles, sent through the event manager as the
// game sends it, so that a type missing from its registration is seen.

#include "code/src/logic/dungeon/dungeongamelogic.h"
#include "code/src/logic/dungeon/respawnpoints.h"
#include "code/src/logic/dungeon/scripttrigger.h"
#include "code/src/logic/dungeon/scripttriggers.h"
#include "tests/code/logic/dungeonlogictest.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace Belgarune;
using irr::core::vector2d;
using irr::core::vector3df;

namespace
{
class DungeonLogicRegisteredEventTest : public logictest::DungeonLogicTest
{
protected:
    void SetUp() override
    {
        DungeonLogicTest::SetUp();
        enterGame();
        send(CreateScriptTriggerEvent(5, 1, L"gamedata/scripts/door.omx"));
        world().setCell(MapCoord(20, 0, 30), FloorCode::Plain);
        world().setWalkable(MapCoord(8, 0, 9), true);
        world().setWalkable(MapCoord(8, 0, 10), false);
    }

    GameWorld& world() { return *g_gameBase->m_world; }
    bool scriptRan(const std::wstring& line) const
    {
        return std::find(m_scripts.entries.begin(), m_scripts.entries.end(), line) != m_scripts.entries.end();
    }
    const ScriptTrigger* trigger(irr::s32 id) const { return m_logic->getTriggers().getScriptTrigger(id); }

    struct Row
    {
        const HashedString* type;
        std::function<void()> send;
        //! The event's effect, false before it was sent.
        std::function<bool()> took;
    };

    std::vector<Row> rows()
    {
        ModifyMapEvent floor;
        floor.m_cell = MapCoord(20, 0, 30);
        floor.m_kind = 0;
        floor.m_value = static_cast<irr::s32>(FloorCode::Dark);
        PlaceObjectEvent place;
        place.m_cell = MapCoord(12, 0, 40);
        place.m_actorId = 0;
        CreateTriggerConditionEvent area;
        area.m_triggerId = 5;
        area.m_centre = vector3df(100.0f, 0.0f, 100.0f);
        area.m_radius = 20;
        return {
            {&ModifyMapEvent::kEventType, [this, floor] { send(floor); },
             [this] { return world().getCellValue(20, 30) == static_cast<irr::s32>(FloorCode::Dark); }},
            {&StartScriptEvent::kEventType, [this] { send(StartScriptEvent(L"gamedata/scripts/a.omx")); },
             [this] { return scriptRan(L"file gamedata/scripts/a.omx"); }},
            {&PlaceObjectEvent::kEventType, [this, place] { send(place); },
             [this] { return player().getPosition() == vector3df(120.0f, 0.0f, 400.0f); }},
            {&CreateObjectEvent::kEventType,
             [this] { send(CreateObjectEvent(L"KEY_VIO", 77, MapCoord(20, 0, 30), 2, 1)); },
             [this] { return world().findItemNear(vector3df(200.0f, 6.0f, 300.0f)) != nullptr; }},
            {&SetGameStateEvent::kEventType, [this] { send(SetGameStateEvent(GameState::Sequence)); },
             [this] { return m_logic->getGameState() == GameState::Sequence && !g_gameBase->m_gameplayActive; }},
            {&SetWalkableEvent::kEventType, [this] { send(SetWalkableEvent(vector2d<irr::s32>(8, 9), false)); },
             [this] { return world().isWalkable(8, 9) == 0; }},
            {&SetWalkableEvent::kEventType, [this] { send(SetWalkableEvent(vector2d<irr::s32>(8, 10), true)); },
             [this] { return world().isWalkable(8, 10) == 1; }},
            {&SetSystemStateEvent::kEventType, [this] { send(SetSystemStateEvent(SystemState::Menue)); },
             [this] { return m_logic->getSystemState() == SystemState::Menue; }},
            {&CreateScriptTriggerEvent::kEventType,
             [this] { send(CreateScriptTriggerEvent(6, 2, L"gamedata/scripts/b.omx")); },
             [this] { return trigger(6) && trigger(6)->getCount() == 2; }},
            {&CreateTriggerConditionEvent::kEventType, [this, area] { send(area); },
             [this] { return trigger(5)->hasArea(); }},
            {&ResetTriggerEvent::kEventType, [this] { send(ResetTriggerEvent(5, 4)); },
             [this] { return trigger(5)->getCount() == 4; }},
            {&SongPlayedEvent::kEventType,
             [this] {
                 g_gameBase->m_learnedSongs[8] = 1;
                 send(SongPlayedEvent(8));
             },
             [this] { return m_logic->getSongEffect().getEffect() == SongEffect::kLight; }},
            {&NewGameEvent::kEventType, [this] { send(NewGameEvent()); }, [this] { return m_view->openings == 1; }},
            {&AddRespawnPointEvent::kEventType,
             [this] { send(AddRespawnPointEvent(vector2d<irr::s32>(12, 20), 30)); },
             [this] { return m_logic->getRespawnPoints().getCurrent() != nullptr; }},
            {&RemoveObjectEvent::kEventType, [this] { send(RemoveObjectEvent(55)); },
             [this] { return m_view->removed == std::vector<irr::s32>{55}; }},
            {&HealEvent::kEventType, [this] { send(HealEvent(2)); },
             [this] { return m_view->hearts == std::vector<int>{1, 1}; }},
            {&DieEvent::kEventType, [this] { send(DieEvent(0)); }, [this] { return m_logic->isDying(); }},
            {&GotSongEvent::kEventType, [this] { send(GotSongEvent(7)); },
             [] { return g_gameBase->m_learnedSongs[7] == 1; }},
            {&AddNoticeEvent::kEventType, [this] { send(AddNoticeEvent(L"The door opens", 2500)); },
             [this] { return !m_view->notices.empty() && m_view->notices.back().first == L"The door opens"; }},
        };
    }
};

TEST_F(DungeonLogicRegisteredEventTest, EveryHandledEventTakesEffectThroughTheManager)
{
    const std::vector<Row> table = rows();
    std::set<const HashedString*> covered;
    for (const Row& row : table)
    {
        covered.insert(row.type);
        EXPECT_FALSE(row.took()) << row.type->getName() << " before it was sent";
        row.send();
        EXPECT_TRUE(row.took()) << row.type->getName();
    }
    const auto& handled = DungeonGameLogic::handledEventTypes();
    EXPECT_EQ(covered, std::set<const HashedString*>(handled.begin(), handled.end()));
    EXPECT_EQ(handled.size(), 18u);
}
} // namespace
