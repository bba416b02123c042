// Script triggers: conditions, the area list, firing by song and by place, counts.

#include "code/src/events/scriptevents.h"
#include "code/src/logic/dungeon/scripttriggers.h"
#include "tests/code/logic/scriptlinerecorder.h"

#include <gtest/gtest.h>

using Belgarune::CreateTriggerConditionEvent;
using Belgarune::ScriptTriggers;
using irr::core::vector3df;

namespace
{
class ScriptTriggersTest : public ::testing::Test
{
protected:
    void area(irr::u32 id, const vector3df& centre, irr::u32 radius)
    {
        CreateTriggerConditionEvent condition;
        condition.m_triggerId = id;
        condition.m_condition = 0;
        condition.m_centre = centre;
        condition.m_radius = radius;
        m_triggers.addCondition(condition);
    }
    void song(irr::u32 id, irr::u32 songId)
    {
        CreateTriggerConditionEvent condition;
        condition.m_triggerId = id;
        condition.m_condition = 1;
        condition.m_songId = songId;
        m_triggers.addCondition(condition);
    }
    std::vector<std::wstring>& fired() { return m_scripts.entries; }

    logictest::ScriptLineRecorder m_scripts;
    ScriptTriggers m_triggers{m_scripts};
};

TEST_F(ScriptTriggersTest, FiringRunsTheScriptThroughRunScriptAndCountsDown)
{
    m_triggers.addScriptTrigger(3, 1, L"gamedata/scripts/door.omx");
    area(3, vector3df(100.0f, 0.0f, 100.0f), 20);
    m_triggers.fireByPlace(vector3df(110.0f, 0.0f, 100.0f));
    m_triggers.fireByPlace(vector3df(110.0f, 0.0f, 100.0f));
    EXPECT_EQ(fired(), std::vector<std::wstring>{L"runScript( \"gamedata/scripts/door.omx\" );"});
    EXPECT_EQ(m_triggers.getScriptTrigger(3)->getCount(), 0);

    m_triggers.setCount(3, 2);
    for (int k = 0; k < 3; ++k)
        m_triggers.fireByPlace(vector3df(100.0f, 0.0f, 119.0f));
    EXPECT_EQ(fired().size(), 3u);
}

TEST_F(ScriptTriggersTest, PlaceFiresOnlyStrictlyInsideTheRadius)
{
    m_triggers.addScriptTrigger(1, 5, L"a.omx");
    area(1, vector3df(100.0f, 0.0f, 100.0f), 10);
    m_triggers.fireByPlace(vector3df(110.0f, 0.0f, 100.0f));
    EXPECT_TRUE(fired().empty());
    m_triggers.fireByPlace(vector3df(109.9f, 0.0f, 100.0f));
    EXPECT_EQ(fired().size(), 1u);
}

TEST_F(ScriptTriggersTest, AreaListHoldsAreaTriggersWithoutSongOncePerConditionGiven)
{
    m_triggers.addScriptTrigger(1, 5, L"twice.omx");
    m_triggers.addScriptTrigger(2, 5, L"song.omx");
    m_triggers.addScriptTrigger(3, 5, L"origin.omx");
    area(1, vector3df(50.0f, 0.0f, 50.0f), 10);
    area(1, vector3df(50.0f, 0.0f, 50.0f), 10);
    area(2, vector3df(50.0f, 0.0f, 50.0f), 10);
    song(2, 7);
    area(3, vector3df(0.0f, 0.0f, 0.0f), 10); // the origin counts as no area
    ASSERT_EQ(m_triggers.getAreaTriggers().size(), 2u);

    m_triggers.fireByPlace(vector3df(50.0f, 0.0f, 50.0f));
    EXPECT_EQ(fired(), (std::vector<std::wstring>{L"runScript( \"twice.omx\" );", L"runScript( \"twice.omx\" );"}));
    EXPECT_EQ(m_triggers.getScriptTrigger(1)->getCount(), 3);
}

TEST_F(ScriptTriggersTest, SongFiresTriggersWithoutAreaAnywhereAndAreaTriggersInside)
{
    m_triggers.addScriptTrigger(1, 5, L"anywhere.omx");
    m_triggers.addScriptTrigger(2, 5, L"inside.omx");
    m_triggers.addScriptTrigger(3, 5, L"other.omx");
    song(1, 7);
    song(2, 7);
    area(2, vector3df(200.0f, 0.0f, 200.0f), 30);
    song(3, 8);

    EXPECT_EQ(m_triggers.fireBySong(7, vector3df(10.0f, 0.0f, 10.0f), false), 1u);
    EXPECT_EQ(m_triggers.fireBySong(7, vector3df(210.0f, 0.0f, 200.0f), false), 2u);
    EXPECT_EQ(fired().back(), L"runScript( \"inside.omx\" );");
    EXPECT_EQ(m_triggers.getScriptTrigger(3)->getCount(), 5);
}

TEST_F(ScriptTriggersTest, TriggerSeventeenWaitsForAllThreeKeysAndKeepsItsCount)
{
    m_triggers.addScriptTrigger(17, 1, L"gate.omx");
    song(17, 1);
    EXPECT_EQ(m_triggers.fireBySong(1, vector3df(), false), 0u);
    EXPECT_EQ(m_triggers.getScriptTrigger(17)->getCount(), 1);
    EXPECT_EQ(m_triggers.fireBySong(1, vector3df(), true), 1u);
}

TEST_F(ScriptTriggersTest, UnknownIdsAreReportedAndChangeNothing)
{
    m_triggers.addScriptTrigger(4, 2, L"a.omx");
    m_triggers.addScriptTrigger(4, 9, L"b.omx");
    testing::internal::CaptureStderr();
    area(5, vector3df(1.0f, 0.0f, 1.0f), 10);
    m_triggers.setCount(6, 3);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Cannot create trigger condition: Trigger 5 does not exist."), std::string::npos);
    EXPECT_NE(errors.find("Trigger 6 does not exist"), std::string::npos);
    EXPECT_TRUE(m_triggers.getAreaTriggers().empty());
    // Of two triggers with one id the first is found.
    EXPECT_EQ(m_triggers.getScriptTrigger(4)->getCount(), 2);
}
} // namespace
