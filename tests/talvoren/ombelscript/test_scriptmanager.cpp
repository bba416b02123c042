// The script manager: statement cutting, waits, merge groups, variables, if blocks, stuck statements.

#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/processmanager/processmanager.h"
#include "tests/support/tempdir.h"
#include "tests/talvoren/ombelscript/recordinginterpreter.h"
#include "tests/talvoren/ombelscript/scripttestsupport.h"

#include <gtest/gtest.h>

namespace
{
using namespace Talvoren;
using namespace Talvoren::reader;
using scripttest::describe;
using scripttest::LogCapture;
using scripttest::RecordingInterpreter;
using Lines = std::vector<std::string>;

class ScriptManagerTest : public testing::Test
{
protected:
    ScriptManagerTest() : m_interpreter(std::make_shared<RecordingInterpreter>(&m_manager))
    {
        g_device = &m_device;
        m_manager.setInterpreter(m_interpreter);
        m_interpreter->registerFunctions(&m_manager);
    }
    ~ScriptManagerTest() override { g_device = nullptr; }

    //! One frame in the main loop's order: processes, then scripts.
    void frame(std::uint32_t ms)
    {
        m_device.getProcessManager()->update(ms);
        m_manager.update();
    }

    //! Milliseconds of 10 ms frames until the interpreter has seen count statements; -1 after 5 s.
    int msUntilCalls(size_t count)
    {
        for (int ms = 0; ms <= 5000; ms += 10)
        {
            if (m_interpreter->calls.size() >= count)
                return ms;
            frame(10);
        }
        return -1;
    }

    Lines& calls() { return m_interpreter->calls; }

    OmbelDevice m_device;
    OmbelScriptManager m_manager;
    std::shared_ptr<RecordingInterpreter> m_interpreter;
};

TEST_F(ScriptManagerTest, RegistersTheBuiltInsBeforeTheProgramsCommands)
{
    EXPECT_STREQ(m_manager.getName(), "OmbelScriptManager");
    EXPECT_FALSE(m_manager.handleEvent(nullptr));
    OwnedTokens tokens;
    m_manager.tokenizeLine(L"mergeNext mergeNextWithoutWait wait heal", tokens);
    EXPECT_EQ(describe(tokens), "fn:mergeNext fn:mergeNextWithoutWait fn:wait fn:heal");
}

TEST_F(ScriptManagerTest, StatementsEndAtSemicolonsAndBracesAndTheLastTokenIsDropped)
{
    m_manager.inject(L"heal(1); { heal(2) } setFloor(3) ;; heal(4)");
    EXPECT_EQ(calls(), (Lines{"fn:heal ( 1 )", "fn:heal ( 2 )", "fn:setFloor ( 3 )", "fn:heal ( 4"}));
    EXPECT_EQ(m_interpreter->releases, 4);
    // Finished: it joins the active list at the next update and leaves it there.
    m_manager.update();
    EXPECT_EQ(m_manager.getActiveScriptCount(), 0u);
}

TEST_F(ScriptManagerTest, AnInjectedCallWithoutSemicolonLosesOnlyItsParenthesis)
{
    m_manager.inject(L"runScript(\"gamedata/scripts/intro.omx\")");
    EXPECT_EQ(calls(), (Lines{"fn:runScript ( 'gamedata/scripts/intro.omx'"}));
}

TEST_F(ScriptManagerTest, ScriptsWithoutStatementsFinishAtOnce)
{
    m_manager.inject(L"");
    m_manager.inject(L"% only a comment");
    m_manager.inject(L"heal");
    m_manager.update();
    EXPECT_EQ(m_manager.getActiveScriptCount(), 0u);
    EXPECT_TRUE(calls().empty());
}

TEST_F(ScriptManagerTest, WaitHoldsTheScriptUntilItsProcessDies)
{
    m_manager.inject(L"wait(1000); heal();");
    EXPECT_TRUE(calls().empty());
    frame(400);
    frame(400);
    EXPECT_TRUE(calls().empty());
    frame(200);
    EXPECT_EQ(calls(), (Lines{"fn:heal ( )"}));
}

TEST_F(ScriptManagerTest, ATimedCommandHoldsTheScriptUntilItsProcessDies)
{
    m_manager.inject(L"moveCamera(300); heal();");
    EXPECT_EQ(msUntilCalls(2), 300);
}

TEST_F(ScriptManagerTest, WaitValuesOutOfRangeAreClamped)
{
    m_manager.inject(L"wait(-5); heal(1);");
    m_manager.inject(L"wait(99999999999); heal(2);");
    frame(0);
    EXPECT_EQ(calls(), (Lines{"fn:heal ( 1 )"}));
    for (int i = 0; i < 10; ++i)
        frame(100000);
    EXPECT_EQ(calls().size(), 1u);
}

TEST_F(ScriptManagerTest, BuiltInsWithoutANumberAreIgnored)
{
    LogCapture log;
    m_manager.inject(L"wait(\"x\"); wait; mergeNext(); heal();");
    EXPECT_EQ(calls(), (Lines{"fn:heal ( )"}));
    EXPECT_EQ(log.take(), Lines(3, "SCRIPT-INTERPRETER: Not enough tokens for function."));
}

TEST_F(ScriptManagerTest, MergeNextRunsTheGroupSideBySideAndWaitsForAll)
{
    m_manager.inject(L"mergeNext(2); moveCamera(300); moveCameraTarget(500); addNotice(\"x\", 500);");
    EXPECT_EQ(calls(), (Lines{"fn:moveCamera ( 300 )", "fn:moveCameraTarget ( 500 )"}));
    const int ms = msUntilCalls(3);
    // Both moves run at once: the notice follows the longer one, not their sum.
    EXPECT_GE(ms, 500);
    EXPECT_LE(ms, 530);
}

TEST_F(ScriptManagerTest, AnInstantCommandCountsAsAGroupMember)
{
    m_manager.inject(L"mergeNext(2); setFloor((1, 2), 0); wait(500); heal();");
    EXPECT_EQ(calls(), (Lines{"fn:setFloor ( ( 1 , 2 ) , 0 )"}));
    const int ms = msUntilCalls(2);
    EXPECT_GE(ms, 500);
    EXPECT_LE(ms, 530);
}

TEST_F(ScriptManagerTest, MergeNextWithoutWaitGoesOnAtTheNextUpdate)
{
    m_manager.inject(L"mergeNextWithoutWait(1); moveCamera(1000); heal();");
    EXPECT_EQ(calls(), (Lines{"fn:moveCamera ( 1000 )"}));
    frame(10);
    EXPECT_EQ(calls().size(), 2u);
    ASSERT_FALSE(m_interpreter->processes[0].expired());
    EXPECT_FALSE(m_interpreter->processes[0].lock()->isDead());
}

TEST_F(ScriptManagerTest, MergeNextOfZeroOrLessDoesNothing)
{
    m_manager.inject(L"mergeNext(0); moveCamera(100); mergeNext(-2); moveCamera(100); heal();");
    EXPECT_EQ(msUntilCalls(3), 200);
}

TEST_F(ScriptManagerTest, AGroupStillOpenAtTheEndIsDropped)
{
    m_manager.inject(L"mergeNext(3); moveCamera(100); heal();");
    frame(10);
    m_manager.update();
    EXPECT_EQ(m_manager.getActiveScriptCount(), 0u);
    ASSERT_EQ(m_interpreter->processes.size(), 1u);
    EXPECT_TRUE(m_interpreter->processes[0].expired());
}

TEST_F(ScriptManagerTest, ScriptsAddedDuringUpdateRunAtOnceAndJoinAtTheNextUpdate)
{
    m_manager.inject(L"wait(10); spawn(); moveCamera(1000);");
    m_interpreter->spawn = [this]() { m_manager.inject(L"moveCamera(50); heal(9);"); };
    frame(10);
    EXPECT_EQ(calls(), (Lines{"fn:spawn ( )", "fn:moveCamera ( 50 )", "fn:moveCamera ( 1000 )"}));
    EXPECT_EQ(m_manager.getActiveScriptCount(), 1u);
    frame(10);
    EXPECT_EQ(m_manager.getActiveScriptCount(), 2u);
    EXPECT_EQ(msUntilCalls(4), 40);
}

TEST_F(ScriptManagerTest, InsertScriptRunsAFileAndAnnouncesIt)
{
    testsupport::TempWorkDir dir;
    testsupport::writeFile("gamedata/scripts/start.omx", "heal(1);\r\nwait(20);\r\nheal(2);\r\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(m_manager.insertScript(L"gamedata/scripts/start.omx"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "insert new skript!\n");
    EXPECT_EQ(calls(), (Lines{"fn:heal ( 1 )"}));
    EXPECT_EQ(msUntilCalls(2), 20);
}

TEST_F(ScriptManagerTest, AMissingScriptFileStartsNothing)
{
    testsupport::TempWorkDir dir;
    LogCapture log;
    testing::internal::CaptureStdout();
    m_manager.insertScript(L"gamedata/scripts/none.omx");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    m_manager.update();
    EXPECT_EQ(m_manager.getActiveScriptCount(), 0u);
    EXPECT_EQ(log.take(), (Lines{"Could not load gamedata/scripts/none.omx (read-mode)!"}));
}

TEST_F(ScriptManagerTest, AssignmentsStoreTexts)
{
    LogCapture log;
    m_manager.inject(L"$a = \"x\"");
    m_manager.inject(L"$b = 3;");
    m_manager.inject(L"$c = \"3\"; $d = \"x\" \"y\";");
    EXPECT_EQ(m_manager.getVariable(L"c"), L"3");
    EXPECT_EQ(m_manager.getVariable(L"a"), L"");
    EXPECT_EQ(log.take(), (Lines{"SCRIPT-INTERPRETER: Error, no valid variable definition.",
                                 "SCRIPT-INTERPRETER: Error, no valid variable definition.",
                                 "SCRIPT-INTERPRETER: Error, no valid variable definition.",
                                 "SCRIPT-MANAGER: Variable a not defined."}));
    m_manager.inject(L"$a = \"x\";");
    EXPECT_EQ(m_manager.getVariable(L"a"), L"x");
}

TEST_F(ScriptManagerTest, VariablesAreReplacedByTheTokensOfTheirText)
{
    LogCapture log;
    m_manager.setVariable(L"n", L"5");
    m_manager.setVariable(L"pair", L"1, 2");
    m_manager.setVariable(L"none", L"");
    m_manager.inject(L"heal($n, $pair, $none $n, $unknown);");
    EXPECT_EQ(calls(), (Lines{"fn:heal ( 5 , 1 , 2 , 5 , $unknown )"}));
    EXPECT_EQ(log.take(), (Lines{"SCRIPT-INTERPRETER: Variable unknown not defined."}));
}

TEST_F(ScriptManagerTest, AVariableIsNotReplacedInsideItsOwnText)
{
    LogCapture log;
    m_manager.setVariable(L"self", L"x $self");
    m_manager.setVariable(L"a", L"1 $b");
    m_manager.setVariable(L"b", L"2 $a");
    m_manager.inject(L"heal($self); heal($a);");
    EXPECT_EQ(calls(), (Lines{"fn:heal ( name:x $self )", "fn:heal ( 1 2 $a )"}));
    EXPECT_EQ(log.take(), (Lines{"SCRIPT-INTERPRETER: Variable self not defined.",
                                 "SCRIPT-INTERPRETER: Variable a not defined."}));
}

TEST_F(ScriptManagerTest, TextsThatNameEachOtherCannotGrowAStatementWithoutEnd)
{
    // Each text names the next twice after its first token: 2^25 tokens if
    // substituted to the end.
    for (char c = 'a'; c < 'z'; ++c)
    {
        const std::wstring next(1, static_cast<wchar_t>(c + 1));
        m_manager.setVariable(std::wstring(1, static_cast<wchar_t>(c)), L"x $" + next + L" $" + next);
    }
    m_manager.setVariable(L"z", L"1");
    LogCapture log;
    m_manager.inject(L"heal($a);");
    ASSERT_EQ(calls().size(), 1u);
    EXPECT_LT(calls()[0].size(), 50000u);
    EXPECT_FALSE(log.take().empty());
}

TEST_F(ScriptManagerTest, AMinusBeforeANumberIsFolded)
{
    m_manager.inject(L"heal(-5, 3 - 2, - x, --1);");
    EXPECT_EQ(calls(), (Lines{"fn:heal ( -5 , 3 -2 , - name:x , - -1 )"}));
}

TEST_F(ScriptManagerTest, NestedCallsAreReplacedByTheirValue)
{
    m_manager.inject(L"heal(value(), value((1)), 3);");
    EXPECT_EQ(calls(), (Lines{"eval fn:value ( )", "eval fn:value ( ( 1 ) )", "fn:heal ( 42 , 42 , 3 )"}));
}

TEST_F(ScriptManagerTest, ABadNestedCallKeepsTheScriptOnItsStatement)
{
    LogCapture log;
    m_manager.inject(L"heal(1); heal(value);");
    m_manager.inject(L"heal(value x y);");
    m_manager.inject(L"heal value(1;");
    m_manager.update();
    m_manager.update();
    EXPECT_EQ(calls(), (Lines{"fn:heal ( 1 )"}));
    EXPECT_EQ(m_manager.getActiveScriptCount(), 3u);
    const Lines once{"SCRIPT-INTERPRETER: Not enough tokens for function.",
                     "SCRIPT-INTERPRETER: No parenthesis after functioncall.",
                     "SCRIPT-INTERPRETER: Missing close parentheses."};
    Lines expected = once;
    expected.insert(expected.end(), once.begin(), once.end());
    expected.insert(expected.end(), once.begin(), once.end());
    EXPECT_EQ(log.take(), expected);
}

//! Gives every nested call back as a call of the same function.
class EchoingInterpreter : public RecordingInterpreter
{
public:
    using RecordingInterpreter::RecordingInterpreter;
    OwnedTokens evaluateFunction(const TokenVector& call) override
    {
        OwnedTokens echo;
        echo.push_back(
            std::make_unique<ComposerFunctionToken>(static_cast<const ComposerFunctionToken*>(call[0])->getValue()));
        echo.push_back(std::make_unique<ComposerToken>(kOpenParenthesis));
        echo.push_back(std::make_unique<ComposerToken>(kCloseParenthesis));
        return echo;
    }
};

TEST(ScriptManagerNestingTest, AStatementWhoseCallsNeverResolveIsDroppedAndTheScriptGoesOn)
{
    OmbelDevice device;
    g_device = &device;
    {
        OmbelScriptManager manager;
        auto interpreter = std::make_shared<EchoingInterpreter>(&manager);
        manager.setInterpreter(interpreter);
        interpreter->registerFunctions(&manager);
        LogCapture log;
        manager.inject(L"heal(value()); heal(2);");
        EXPECT_EQ(interpreter->calls, Lines{"fn:heal ( 2 )"});
        EXPECT_EQ(log.take(), Lines{"SCRIPT-INTERPRETER: Too many nested function calls, statement dropped."});
    }
    g_device = nullptr;
}

TEST_F(ScriptManagerTest, AnAbandonedRunDropsItsOpenGroup)
{
    LogCapture log;
    m_manager.inject(L"mergeNext(2); moveCamera(100); heal(value);");
    frame(10);
    EXPECT_EQ(calls(), (Lines{"fn:moveCamera ( 100 )"}));
    ASSERT_EQ(m_interpreter->processes.size(), 1u);
    EXPECT_TRUE(m_interpreter->processes[0].expired());
}

class ScriptIfTest : public ScriptManagerTest
{
protected:
    Lines runWithA(const wchar_t* text)
    {
        if (text)
            m_manager.setVariable(L"a", text);
        LogCapture log;
        m_manager.inject(L"if ($a == 1) { heal(); } setFloor(1);");
        return log.take();
    }
};

TEST_F(ScriptIfTest, ATrueConditionRunsTheBlock)
{
    EXPECT_TRUE(runWithA(L"1").empty());
    EXPECT_EQ(calls(), (Lines{"fn:heal ( )", "fn:setFloor ( 1 )"}));
}

TEST_F(ScriptIfTest, AFalseConditionPassesOverTheBlock)
{
    EXPECT_TRUE(runWithA(L"2").empty());
    EXPECT_EQ(calls(), (Lines{"fn:setFloor ( 1 )"}));
}

TEST_F(ScriptIfTest, AConditionWithoutValueRunsTheBlock)
{
    EXPECT_EQ(runWithA(nullptr), (Lines{"SCRIPT-INTERPRETER: Variable a not defined.",
                                        "SCRIPT-MANAGER: Variable a not defined.",
                                        "SCRIPT-INTERPRETER: Could not evaluate operand.",
                                        "SCRIPT-INTERPRETER: Error, expression does not evaluate to boolean"}));
    EXPECT_EQ(calls(), (Lines{"fn:heal ( )", "fn:setFloor ( 1 )"}));
}

TEST_F(ScriptIfTest, NestedBlocksArePassedOverWithTheirBlock)
{
    m_manager.inject(L"if (1 == 2) { heal(1); { heal(2); } if (1 == 1) { heal(3); } } heal(4);");
    EXPECT_EQ(calls(), (Lines{"fn:heal ( 4 )"}));
}

TEST_F(ScriptIfTest, AMissingEndOfBlockFinishesTheScript)
{
    LogCapture log;
    m_manager.inject(L"if (true == false) { heal(1); { heal(2); }");
    m_manager.update();
    EXPECT_TRUE(calls().empty());
    EXPECT_EQ(m_manager.getActiveScriptCount(), 0u);
    EXPECT_EQ(log.take(), (Lines{"SCRIPT: Splitting-error. End of Block missing"}));
}

TEST_F(ScriptIfTest, AnIfWithoutConditionRunsItsBlock)
{
    LogCapture log;
    m_manager.inject(L"if () { heal(1); } if { heal(2); } if (\"yes\") { heal(3); }");
    EXPECT_EQ(calls(), (Lines{"fn:heal ( 1 )", "fn:heal ( 2 )", "fn:heal ( 3 )"}));
    EXPECT_EQ(log.take(), Lines(3, "SCRIPT-INTERPRETER: Error, expression does not evaluate to boolean"));
}

TEST_F(ScriptIfTest, ABlockCanWaitAndGoOnAfterwards)
{
    m_manager.inject(L"if (in == true) { wait(30); heal(1); } heal(2);");
    EXPECT_TRUE(calls().empty());
    EXPECT_EQ(msUntilCalls(2), 30);
    EXPECT_EQ(calls(), (Lines{"fn:heal ( 1 )", "fn:heal ( 2 )"}));
}
} // namespace
