// The game's commands from a script line to the event they send.

#include "code/src/commands/commandarguments.h"
#include "tests/code/commands/commandtestsupport.h"

#include <cmath>
#include <utility>

namespace
{
using namespace commandtest;

struct CommandCase
{
    const wchar_t* line;
    Lines events;
};

class ScriptInterpreterTest : public ScriptCommandTest
{
};

TEST_F(ScriptInterpreterTest, EachCommandTriggersItsEventBeforeItReturns)
{
    const CommandCase cases[] = {
        {L"setFloor((3, 7), 2);", {"ModifyMapEvent (3,0,493) 2 0 0"}},
        {L"setFloor((-3.9, 7.9), 2.7);", {"ModifyMapEvent (-3,0,493) 2 0 0"}},
        {L"placeCharacter(0, (12, 40));", {"PlaceObjectEvent (12,0,460) 0"}},
        {L"setWall((1, 2), 3, 4);", {"ModifyMapEvent (1,0,498) 4 3 1"}},
        {L"setBars((1, 2), 3, 4);", {"ModifyMapEvent (1,0,498) 4 3 2"}},
        {L"create(\"POT\", (5, 6), 1, 77);", {"CreateObjectEvent POT 77 (5,0,494) 1 -1"}},
        {L"addObject(\"DOOR\", (5, 6), 1, 2, 78);", {"CreateObjectEvent DOOR 78 (5,0,494) 1 2"}},
        {L"setGameState(\"SEQUENCE\"); setGameState(\"sequence\");", {"SetGameStateEvent 1", "SetGameStateEvent 0"}},
        {L"setState(\"MENUE\"); setState(\"GAME\"); setState(\"x\");",
         {"SetSystemStateEvent 1", "SetSystemStateEvent 2", "SetSystemStateEvent 0"}},
        {L"playMusic(\"gamedata/music/hit9.wav\", 0.5);", {"PlaySoundEvent gamedata/music/hit9.wav 0 0.5 1"}},
        {L"setWalkable((4, 7.5), true); setWalkable((4, 7), false);",
         {"SetWalkableEvent (4,492) 1", "SetWalkableEvent (4,493) 0"}},
        {L"addItem(\"BASS_KEY\");", {"AddItemEvent 2 held 1"}},
        {L"createScriptTrigger(4, \"gamedata/scripts/a.omx\", 2);",
         {"CreateScriptTriggerEvent 4 2 gamedata/scripts/a.omx"}},
        {L"addTriggerCondition(4, \"IN_AREA\", (100.5, 200.25), 30);",
         {"CreateTriggerConditionEvent 4 0 (100.5,0,4799.75) 30 0"}},
        {L"addTriggerCondition(4, \"PLAY_MUSIC\", 7);", {"CreateTriggerConditionEvent 4 1 (0,0,0) 0 7"}},
        {L"addTriggerCondition(4, \"NEAR\", 7); addTriggerCondition(4, \"PLAY_MUSIC\", (1, 2), 3);", {}},
        {L"registerRespawnPoint((10, 20), 3);", {"AddRespawnPointEvent (10,480) 3"}},
        {L"removeObject(121); removeObject(99999999999);", {"RemoveObjectEvent 121", "RemoveObjectEvent 2147483647"}},
        {L"createEffect(\"DUST\", (10.7, 2, 4990.5)); createEffect(\"SMOKE\", (1, 2, 3));",
         {"CreateVisualEffectEvent 2 (10,2,10)", "CreateVisualEffectEvent 0 (1,2,4997)"}},
        {L"shakeScreen(0.15, 3000);", {"ShakeScreenEvent 0.15 3000"}},
        {L"heal(); heal(wait(5));", {"HealEvent 1", "HealEvent 1"}},
        {L"gotSong(6);", {"GotSongEvent 6"}},
        {L"setTriggerCount(4, 9);", {"ResetTriggerEvent 4 9"}},
        {L"addNotice(\"x\", 500);", {"AddNoticeEvent x 500"}},
        {L"$p = \"(3, 7)\"; setFloor($p, -2);", {"ModifyMapEvent (3,0,493) -2 0 0"}},
    };
    for (const CommandCase& c : cases)
    {
        events().clear();
        m_manager.inject(c.line);
        EXPECT_EQ(events(), c.events) << narrow(c.line);
    }
}

TEST_F(ScriptInterpreterTest, StatementsThatDoNotFitTheirCommandSendNothing)
{
    const wchar_t* lines[] = {
        L"setFloor(3, 2);",
        L"setFloor((3, 7));",
        L"setFloor((3, 7), \"2\");",
        L"setFloor((3, 7, 1), 2);",
        L"setFloor((3, 7), 2, 5);",
        L"setFloor((3, 7), 2) 4;",
        L"setFloor((3 7), 2);",
        L"setFloor((3, 7), $unknown);",
        L"setFloor((3, 7), wait(1));",
        L"runScript(5);",
        L"heal(1);",
        L"heal;",
        L"setWalkable((1, 2), 1);",
        L"gotSong(-);",
        L"addNotice(\"x\", );",
    };
    for (const wchar_t* line : lines)
    {
        m_manager.inject(line);
        EXPECT_EQ(events(), Lines{}) << narrow(line);
    }
}

TEST_F(ScriptInterpreterTest, AStatementThatDoesNotFitCountsAsAMemberOfAMergeGroup)
{
    m_manager.inject(L"mergeNext(2); setFloor(1); wait(100); heal();");
    EXPECT_EQ(events(), Lines{});
    for (int ms = 0; ms < 150; ms += 10)
        frame(10);
    EXPECT_EQ(events(), Lines{"HealEvent 1"});
}

TEST_F(ScriptInterpreterTest, RunScriptIsQueuedWhileTheScriptGoesOn)
{
    m_manager.inject(L"runScript(\"gamedata/scripts/intro.omx\"); heal();");
    EXPECT_EQ(events(), Lines{"HealEvent 1"});
    m_engine.getEventManager()->tick(IEventManager::kInfinite);
    EXPECT_EQ(events(), (Lines{"HealEvent 1", "StartScriptEvent gamedata/scripts/intro.omx"}));
}

TEST_F(ScriptInterpreterTest, TheInstrumentIsTakenWithoutAnEventAndUnknownItemsAreIgnored)
{
    m_manager.inject(L"addItem(\"INST\"); addItem(\"HORN\"); addItem(\"alt_key\");");
    EXPECT_EQ(events(), Lines{});
    EXPECT_TRUE(g_gameBase->m_hasItem[0]);
    EXPECT_FALSE(g_gameBase->m_hasItem[1] || g_gameBase->m_hasItem[2] || g_gameBase->m_hasItem[3]);
}

TEST_F(ScriptInterpreterTest, EndAsksTheDeviceToQuit)
{
    m_manager.inject(L"heal(1); end(1);");
    EXPECT_FALSE(m_engine.isQuitRequested());
    m_manager.inject(L"end()");
    EXPECT_TRUE(m_engine.isQuitRequested());
}

TEST_F(ScriptInterpreterTest, CommandNamesAreExact)
{
    m_manager.inject(L"Heal(); HEAL(); heal();");
    EXPECT_EQ(events(), Lines{"HealEvent 1"});
}

TEST(ScriptNumbers, AreClampedToThe32BitRangeBeforeTruncation)
{
    const std::pair<double, irr::s32> cases[] = {
        {2.9, 2}, {-2.9, -2}, {1e30, 2147483647}, {-1e30, -2147483647 - 1}, {std::nan(""), 0}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(toInt32(value), expected) << value;
    EXPECT_EQ(toDurationMs(-500.0), 0u);
    EXPECT_EQ(toDurationMs(500.7), 500u);
}
} // namespace
