// The dungeon logic: set-up, states, input and console lines, and its answers to the game's events.

#include "code/src/logic/dungeon/dungeongamelogic.h"
#include "code/src/menu/menuelogic.h"
#include "code/src/songs/sheetpresses.h"
#include "code/src/songs/songbook.h"
#include "code/src/view/gamefont.h"
#include "code/src/world/gameitem.h"
#include "code/src/world/nodegraph.h"
#include "code/src/world/physicscomponent.h"
#include "platform/textfile.h"
#include "talvoren/consolelogic.h"
#include "talvoren/consolemessagelist.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "tests/code/logic/dungeonlogictest.h"
#include "tests/code/logic/songfiles.h"
#include "tests/code/world/nodefiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

using namespace Belgarune;
using irr::core::vector2d;
using irr::core::vector3df;
using Notices = std::vector<std::pair<std::wstring, irr::u32>>;

namespace
{
class DungeonLogicSetUpTest : public logictest::DungeonLogicTest
{
};

TEST_F(DungeonLogicSetUpTest, StartsInTheSplashWithThePlayerAloneInTheWorld)
{
    EXPECT_STREQ(m_logic->getName(), "Root GameLogicclass");
    EXPECT_EQ(m_logic->getSystemState(), SystemState::Start);
    EXPECT_EQ(m_logic->getGameState(), GameState::Gameplay);
    GameActor* player = g_gameBase->m_world->getPlayer();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->getId(), 0);
    EXPECT_TRUE(player->isPlayer());
    EXPECT_NE(player->getMusical(), nullptr);
    EXPECT_EQ(g_gameBase->m_world->getActorById(0), player);
    EXPECT_EQ(g_gameBase->m_world->getActorById(1), nullptr);
    EXPECT_EQ(player->getPhysics()->getHeight(), 7);
    EXPECT_NE(m_device->getScriptManager()->findFunction(L"placeCharacter"), nullptr);
}

TEST_F(DungeonLogicSetUpTest, TheViewHandlesEffectsKeysAndShakesAndIsLetGoOnRelease)
{
    send(CreateVisualEffectEvent(1, vector3df()));
    send(AddItemEvent(Item::BassKey));
    send(ShakeScreenEvent(1.0f, 100));
    send(AddNoticeEvent(L"x", 10));
    EXPECT_EQ(m_view->received,
              (std::vector<std::string>{"CreateVisualEffectEvent", "AddItemEvent", "ShakeScreenEvent"}));
    EXPECT_EQ(m_view->notices.size(), 1u);

    m_logic->release();
    send(ShakeScreenEvent(1.0f, 100));
    EXPECT_EQ(m_view->received.size(), 3u);
    EXPECT_EQ(m_view.use_count(), 1);
    EXPECT_EQ(m_logic->getMenu(), nullptr);
}

std::string consoleText()
{
    std::string text;
    for (const auto& message : g_device->getConsole()->getMessageList().getMessages())
        text += platform::toUtf8(message.text.c_str()) + "\n";
    return text;
}

//! How often the console shows the message.
size_t timesLogged(const std::string& message)
{
    const std::string text = consoleText();
    size_t times = 0;
    for (size_t at = text.find(message); at != std::string::npos; at = text.find(message, at + 1))
        ++times;
    return times;
}

//! The set-up with the test songs as gamedata/songs.txt.
class DungeonLogicSongBookTest : public logictest::DungeonLogicTest
{
protected:
    void writeGameData() override { testsupport::writeFile("gamedata/songs.txt", logictest::kSongs); }
};

TEST_F(DungeonLogicSongBookTest, ReadsTheSongsOfGamedataIntoTheSongBook)
{
    const SongBook& book = *g_gameBase->m_songBook;
    for (const irr::s32 id : {2, 3, 4, 5, 6, 7, 9, 10})
        EXPECT_NE(book.getSheet(id), nullptr) << id;
    EXPECT_EQ(book.getSheet(1), nullptr);
    ASSERT_NE(book.getSheet(3), nullptr);
    EXPECT_EQ(sheetPresses(*book.getSheet(3)), (std::vector<int>{2, 4, 0}));
    EXPECT_EQ(book.getSheetsStartingWith(4).size(), 2u); // songs 6 and 2
    EXPECT_EQ(timesLogged("songs"), 0u) << consoleText();
}

TEST_F(DungeonLogicSetUpTest, AMissingSongFileIsLoggedOnceAndLeavesTheBookEmpty)
{
    EXPECT_EQ(timesLogged("Could not read the songs of gamedata/songs.txt"), 1u) << consoleText();
    EXPECT_EQ(g_gameBase->m_songBook->getSheet(3), nullptr);
}

//! A patrol graph file as the set-up finds it, or none at all.
struct PatrolGraphCase
{
    worldtest::NodeFile file;
    bool written;
};

void PrintTo(const PatrolGraphCase& patrolCase, std::ostream* out)
{
    *out << patrolCase.file.name;
}

std::vector<PatrolGraphCase> patrolGraphCases()
{
    std::vector<PatrolGraphCase> cases{{{"no file", "", 0, 0}, false}};
    for (const worldtest::NodeFile& file : worldtest::readableNodeFiles())
        cases.push_back({file, true});
    return cases;
}

class DungeonLogicPatrolGraphTest : public logictest::DungeonLogicTest,
                                    public testing::WithParamInterface<PatrolGraphCase>
{
protected:
    void writeGameData() override
    {
        if (GetParam().written)
            testsupport::writeFile("gamedata/nodes.txt", GetParam().file.text);
    }
};

// A graph without a point leaves every mask standing: the log says so once, naming the file.
TEST_P(DungeonLogicPatrolGraphTest, LoadsThePatrolGraphOrLogsOnceThatItHasNone)
{
    const auto& nodes = g_gameBase->m_world->getNodeGraph().getNodes();
    const worldtest::NodeFile& expected = GetParam().file;
    EXPECT_EQ(nodes.size(), expected.points);
    size_t links = 0;
    for (const auto& node : nodes)
        links += node->m_neighbours.size();
    EXPECT_EQ(links, expected.links);

    EXPECT_EQ(timesLogged("Could not read the patrol paths of gamedata/nodes.txt"), expected.points > 0 ? 0u : 1u)
        << consoleText();
}

INSTANTIATE_TEST_SUITE_P(NodeFiles, DungeonLogicPatrolGraphTest, testing::ValuesIn(patrolGraphCases()),
                         [](const testing::TestParamInfo<PatrolGraphCase>& info) {
                             std::string name = info.param.file.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

class DungeonLogicStateTest : public logictest::DungeonLogicTest
{
};

TEST_F(DungeonLogicStateTest, SplashMenuGameAndBackWithCancel)
{
    tap(irr::KEY_SPACE);
    m_logic->OnEvent(keyEvent(irr::KEY_ESCAPE, true));
    EXPECT_EQ(m_logic->getSystemState(), SystemState::Start);
    m_logic->OnEvent(keyEvent(irr::KEY_ESCAPE, false)); // released: the splash ends
    EXPECT_EQ(m_logic->getSystemState(), SystemState::Menue);
    EXPECT_FALSE(g_gameBase->m_gameplayActive);
    EXPECT_EQ(m_device->getGameClock()->getSpeed(), 0.0f);

    tap(irr::KEY_DOWN);
    tap(irr::KEY_RETURN); // "New game"
    EXPECT_EQ(m_logic->getSystemState(), SystemState::Game);
    EXPECT_TRUE(g_gameBase->m_gameplayActive);
    EXPECT_EQ(m_device->getGameClock()->getSpeed(), 1.0f);
    EXPECT_EQ(m_view->openings, 1);
    EXPECT_EQ(m_view->musicPaused, std::vector<bool>{false});

    EXPECT_TRUE(tap(irr::KEY_KEY_X));
    EXPECT_EQ(m_logic->getSystemState(), SystemState::Menue);
    EXPECT_EQ(m_view->musicPaused, (std::vector<bool>{false, true}));
    EXPECT_EQ(m_logic->getMenu()->getPage(), MenueLogic::kMainPage);
    tap(irr::KEY_ESCAPE); // the menu's cancel goes back to the game
    EXPECT_EQ(m_logic->getSystemState(), SystemState::Game);
}

TEST_F(DungeonLogicStateTest, EachSystemStateSetsWhetherGameplayRuns)
{
    const std::pair<SystemState, bool> cases[] = {
        {SystemState::Game, true}, {SystemState::Start, false}, {SystemState::Game, true},
        {SystemState::Menue, false}, {SystemState::Start, false}};
    for (const auto& [state, gameplay] : cases)
    {
        send(SetSystemStateEvent(state));
        EXPECT_EQ(g_gameBase->m_gameplayActive, gameplay) << static_cast<int>(state);
    }
}

// Escape can open the menu in the frame a scene is started: back in the game,
// the scene still holds the keys and the masks.
TEST_F(DungeonLogicStateTest, BackFromTheMenuAScriptedSceneStillHoldsTheGame)
{
    enterGame();
    send(SetSystemStateEvent(SystemState::Menue));
    send(SetGameStateEvent(GameState::Sequence));
    send(SetSystemStateEvent(SystemState::Game));
    EXPECT_FALSE(g_gameBase->m_gameplayActive);
    send(SetGameStateEvent(GameState::Gameplay));
    EXPECT_TRUE(g_gameBase->m_gameplayActive);
}

TEST_F(DungeonLogicStateTest, AResizeRemakesTheFontForTheNewSize)
{
    testsupport::writeFile("gamedata/fonts/Bahiana-Regular.ttf",
                           testsupport::readFile("/usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf"));
    GameFont font;
    g_gameBase->m_font = &font;
    m_logic->onResize();
    EXPECT_NE(font.getFont(), nullptr);
    EXPECT_EQ(m_view->resizes, 1);
    g_gameBase->m_font = nullptr;
}

TEST_F(DungeonLogicStateTest, CancelDuringAScriptedSceneStaysInTheGame)
{
    enterGame();
    send(SetGameStateEvent(GameState::Sequence));
    EXPECT_FALSE(g_gameBase->m_gameplayActive);
    EXPECT_EQ(m_view->gameStates, std::vector<GameState>{GameState::Sequence});
    m_view->consumeInput = true;
    EXPECT_TRUE(tap(irr::KEY_ESCAPE));
    EXPECT_EQ(m_logic->getSystemState(), SystemState::Game);
    EXPECT_EQ(m_view->inputEvents, 2);
}

TEST_F(DungeonLogicStateTest, TheWorldEditorTakesAllInputWhileItIsOn)
{
    enterGame();
    g_gameBase->m_editorMode = 1;
    EXPECT_TRUE(tap(irr::KEY_ESCAPE));
    EXPECT_EQ(m_logic->getSystemState(), SystemState::Game);
    EXPECT_EQ(m_view->editorEvents, 2);
    EXPECT_EQ(m_view->inputEvents, 0);
    m_logic->render();
    EXPECT_EQ(m_view->draws, 1);
}

TEST_F(DungeonLogicStateTest, RenderDrawsTheViewInTheGameAndInTheMenu)
{
    m_logic->render();
    EXPECT_EQ(m_view->draws, 0);
    send(SetSystemStateEvent(SystemState::Menue));
    m_logic->render();
    enterGame();
    m_logic->render();
    EXPECT_EQ(m_view->draws, 2);
}

TEST_F(DungeonLogicStateTest, ConsoleLinesStartingWithTheMarkRunAsScript)
{
    const std::pair<const wchar_t*, std::vector<std::wstring>> cases[] = {
        {L">setGameState( \"SEQUENCE\");", {L"setGameState( \"SEQUENCE\");"}},
        {L">", {L""}},
        {L"setGameState( \"SEQUENCE\");", {}},
        {L"", {}},
    };
    for (const auto& [line, injected] : cases)
    {
        m_scripts.entries.clear();
        m_logic->onConsoleInput(line);
        EXPECT_EQ(m_scripts.entries, injected) << irr::core::stringc(line).c_str();
    }
}

TEST_F(DungeonLogicStateTest, SpaceReleasedNearAnItemPicksItUp)
{
    enterGame();
    GameWorld& world = *g_gameBase->m_world;
    const struct
    {
        PieceKind kind;
        const bool* flag;
        Notices notices;
        std::size_t keyEvents;
    } cases[] = {{PieceKind::Instrument, &g_gameBase->m_hasItem[0], {{L"Play with g,h,j, k and l", 6000}}, 0},
                 {PieceKind::Map, &g_gameBase->m_hasMap, {}, 0},
                 {PieceKind::AltoKey, &g_gameBase->m_hasItem[3], {}, 1}};
    irr::u32 id = 40;
    for (const auto& c : cases)
    {
        m_view->notices.clear();
        m_view->received.clear();
        world.addItem(vector3df(100.0f, 0.0f, 100.0f), ++id, c.kind);
        m_view->itemInReach = world.findItemNear(vector3df(100.0f, 7.0f, 100.0f));
        m_logic->OnEvent(keyEvent(irr::KEY_SPACE, true));
        EXPECT_FALSE(*c.flag);
        EXPECT_TRUE(m_logic->OnEvent(keyEvent(irr::KEY_SPACE, false)));
        EXPECT_TRUE(*c.flag);
        EXPECT_EQ(m_view->removed.back(), static_cast<irr::s32>(id));
        EXPECT_EQ(world.findItemNear(vector3df(100.0f, 7.0f, 100.0f)), nullptr);
        EXPECT_EQ(m_view->itemInReach, nullptr);
        EXPECT_EQ(m_view->notices, c.notices);
        EXPECT_EQ(m_view->received.size(), c.keyEvents);
    }
    EXPECT_EQ(m_view->removed.size(), 3u);
}

class DungeonLogicEventTest : public logictest::DungeonLogicTest
{
protected:
    CreateObjectEvent object(const wchar_t* name, irr::u32 id, irr::s32 a = 2, irr::s32 b = 1)
    {
        return CreateObjectEvent(name, id, MapCoord(20, 0, 30), a, b);
    }
    static ModifyMapEvent modify(irr::s32 kind, irr::s32 value, irr::s32 value2)
    {
        ModifyMapEvent event;
        event.m_cell = MapCoord(20, 0, 30);
        event.m_kind = kind;
        event.m_value = value;
        event.m_value2 = value2;
        return event;
    }
    GameWorld& world() { return *g_gameBase->m_world; }
};

TEST_F(DungeonLogicEventTest, ModifyMapPlacesPiecesAndChangesTheGridByKind)
{
    const struct
    {
        ModifyMapEvent event;
        testsupport::Placement placement;
        irr::s32 cellKind;
        irr::s32 walkable;
    } cases[] = {
        {modify(0, 4, 9), {0, 20, 30, 4, 0, -1}, 4, 1},
        {modify(1, 3, 2), {1, 20, 30, 3, 2, -1}, 4, 1},
        {modify(2, 2, 3), {2, 20, 30, 2, 3, 3}, 4, 0},
    };
    for (const auto& c : cases)
    {
        if (c.event.m_kind == 2)
            world().setCell(MapCoord(20, 0, 30), FloorCode::Gloomy);
        EXPECT_FALSE(m_logic->handleEvent(std::make_shared<ModifyMapEvent>(c.event)));
        EXPECT_EQ(m_view->placements.back(), c.placement) << c.event.m_kind;
        EXPECT_EQ(world().getCellValue(20, 30), c.cellKind) << c.event.m_kind;
        EXPECT_EQ(world().isWalkable(20, 30), c.walkable) << c.event.m_kind;
    }
    send(modify(7, 1, 1));
    EXPECT_EQ(m_view->placements.size(), 3u);
}

TEST_F(DungeonLogicEventTest, CreateObjectPlacesByNameAndChangesTheWorld)
{
    world().setCell(MapCoord(20, 0, 30), FloorCode::Plain);
    send(object(L"KEY_VIO", 77));
    EXPECT_EQ(m_view->placements.back(), (testsupport::Placement{15, 20, 30, 1, 2, 77}));
    GameItem* key = world().findItemNear(vector3df(200.0f, 6.0f, 300.0f));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->position, vector3df(200.0f, 6.0f, 300.0f));
    EXPECT_EQ(key->id, 77u);
    EXPECT_EQ(world().isWalkable(20, 30), 1);

    send(object(L"Q1_1", 78));
    EXPECT_EQ(m_view->placements.back(), (testsupport::Placement{3, 20, 30, 1, 2, -1}));
    send(object(L"BARS", 79, 3, 2));
    EXPECT_EQ(m_view->placements.back(), (testsupport::Placement{2, 20, 30, 2, 3, 79}));
    EXPECT_EQ(world().isWalkable(20, 30), 0);

    for (irr::s32 x = 18; x <= 22; ++x)
        for (irr::s32 z = 28; z <= 32; ++z)
            world().setCell(MapCoord(x, 0, z), FloorCode::Plain);
    send(object(L"TOPF", 80));
    EXPECT_TRUE(world().collides(vector3df(204.0f, 7.0f, 300.0f), false));
    EXPECT_FALSE(world().collides(vector3df(204.0f, 7.0f, 300.0f), true));

    const std::size_t placed = m_view->placements.size();
    send(object(L"Bars", 81));
    send(object(L"SPOON", 82));
    EXPECT_EQ(m_view->placements.size(), placed);
}

TEST_F(DungeonLogicEventTest, CreateObjectMakesTheNamedFiguresAndPlaceObjectMovesThem)
{
    const struct
    {
        const wchar_t* name;
        irr::s32 a;
        bool sings;
        vector3df rotation;
    } cases[] = {
        {L"ENEMY_1", 0, true, {300.0f, 0.0f, 300.0f}},   {L"ENEMY_2", 0, true, {300.0f, 0.0f, 300.0f}},
        {L"ENEMY_3", 0, true, {300.0f, 0.0f, 300.0f}},   {L"SISTER", 0, false, {300.0f, 0.0f, 300.0f}},
        {L"ENEMY_1_2", 3, false, {-1.0f, 0.0f, 0.0f}},   {L"ENEMY_1_2", 1, false, {0.0f, 0.0f, 1.0f}},
        {L"ENEMY_1_2", 7, false, {0.0f, 0.0f, 0.0f}},
    };
    irr::u32 id = 10;
    for (const auto& c : cases)
    {
        send(object(c.name, ++id, c.a));
        GameActor* actor = world().getActorById(static_cast<irr::s32>(id));
        ASSERT_NE(actor, nullptr) << id;
        EXPECT_EQ(actor->getPosition(), vector3df(200.0f, 0.0f, 300.0f)) << id;
        EXPECT_EQ(actor->getRotation(), c.rotation) << id;
        EXPECT_EQ(actor->getMusical() != nullptr, c.sings) << id;
        EXPECT_EQ(actor->getPhysics()->getHeight(), 5) << id;
    }
    send(object(L"Enemy_1", 30));
    EXPECT_EQ(world().getActorById(30), nullptr);
    EXPECT_TRUE(m_view->placements.empty());

    PlaceObjectEvent place;
    place.m_cell = MapCoord(4, 1, 5);
    place.m_actorId = 11;
    send(place);
    EXPECT_EQ(world().getActorById(11)->getPosition(), vector3df(40.0f, 1.0f, 50.0f));
}

TEST_F(DungeonLogicEventTest, PlaceObjectMovesThePlayerAndTellsTheView)
{
    PlaceObjectEvent place;
    place.m_cell = MapCoord(12, 3, 40);
    place.m_actorId = 0;
    send(place);
    EXPECT_EQ(player().getPosition(), vector3df(120.0f, 3.0f, 400.0f));
    EXPECT_EQ(player().getRotation(), vector3df(220.0f, 3.0f, 400.0f));
    place.m_actorId = 9; // no actor has it
    send(place);
    EXPECT_EQ(m_view->placedActors, (std::vector<std::vector<irr::s32>>{{0, 12, 3, 40}, {9, 12, 3, 40}}));
}

TEST_F(DungeonLogicEventTest, SmallEventsReachGridViewAndScripts)
{
    send(SetWalkableEvent(vector2d<irr::s32>(8, 9), true));
    EXPECT_EQ(world().isWalkable(8, 9), 1);
    send(RemoveObjectEvent(55));
    EXPECT_EQ(m_view->removed, std::vector<irr::s32>{55});
    send(StartScriptEvent(L"gamedata/scripts/door.omx"));
    EXPECT_EQ(m_scripts.entries, std::vector<std::wstring>{L"file gamedata/scripts/door.omx"});
    g_gameBase->m_hp = 1;
    send(HealEvent(2));
    EXPECT_EQ(g_gameBase->m_hp, 3);
    send(NewGameEvent());
    EXPECT_EQ(m_view->openings, 1);
    send(AddNoticeEvent(L"The door opens", 2500));
    EXPECT_EQ(m_view->notices, (Notices{{L"The door opens", 2500}}));
}

TEST_F(DungeonLogicEventTest, GotSongLearnsSongsBelowFifteenAndNamesTheKnownOnes)
{
    const std::pair<irr::u32, std::wstring> cases[] = {
        {1, L"Learned Prelude Of The Faceless King"}, {6, L"Learned Mother's Requiem"},
        {7, L"Learned Goddess' Mercy"},               {8, L"Learned Ode to Sol"},
        {10, L"Learned Minuet of Growth"},            {14, L"Learned ???"},
        {2, L""},                                     {15, L""},
    };
    for (const auto& [song, text] : cases)
    {
        m_view->notices.clear();
        send(GotSongEvent(song));
        EXPECT_EQ(m_view->notices, text.empty() ? Notices{} : (Notices{{text, 5000}})) << song;
        if (song < 15)
        {
            EXPECT_TRUE(g_gameBase->m_learnedSongs[song]) << song;
        }
    }
}
} // namespace
