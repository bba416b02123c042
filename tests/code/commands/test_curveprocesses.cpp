// Curves by word and the move processes on the game clock.

#include "code/src/commands/fluxcalcfactory.h"
#include "code/src/commands/movescenenodeprocess.h"
#include "talvoren/clock.h"
#include "talvoren/fluxcalc.h"
#include "talvoren/ombeldevice.h"
#include "tests/support/quietnulldevice.h"

namespace
{
using namespace Belgarune;
using irr::core::vector3df;

class GameClockTest : public testsupport::QuietNullDeviceTest
{
protected:
    GameClockTest() { g_device = &m_engine; }
    ~GameClockTest() override { g_device = nullptr; }

    Talvoren::Clock& gameClock() { return *m_engine.getGameClock(); }

    Talvoren::OmbelDevice m_engine;
};

TEST_F(GameClockTest, CurveWordsGiveTheirShapesOnTheGameClock)
{
    const std::pair<const wchar_t*, float> cases[] = {
        {L"LINEAR", 0.25f},          {L"SLOW_DOWN", 0.4375f},       {L"SLOW_DOWN_X2", 0.68359375f},
        {L"SLOW_DOWN_X3", 0.8998870849609375f}, {L"SPEED_UP", 0.0625f}, {L"SPEED_UP_X2", 0.00390625f},
        {L"SPEED_UP_X3", 0.0000152587890625f},  {L"SPEED_LOGISTIC", 0.15625f}, {L"slow_down", 0.25f},
        {L"", 0.25f},
    };
    for (const auto& [word, expected] : cases)
    {
        const std::shared_ptr<FluxCalc> curve = createFluxCalc(word);
        curve->start(1000, 0);
        gameClock().update(250);
        EXPECT_NEAR(curve->advance(0.0f), expected, 1e-6f) << testing::PrintToString(std::wstring(word));
    }
}

TEST_F(GameClockTest, AMoveFollowsTheGameClockAndEndsExactlyOnItsTarget)
{
    irr::scene::ISceneNode* node = m_device->getSceneManager()->addEmptySceneNode();
    MoveSceneNodeProcess move(node, {10, 0, 0}, 1000, createFluxCalc(L"LINEAR"), 0);
    node->setPosition({0, 0, 0});
    move.onUpdate(0);
    gameClock().update(250);
    move.onUpdate(250);
    EXPECT_EQ(node->getPosition(), vector3df(2.5f, 0, 0));

    gameClock().setSpeed(0.0f);
    gameClock().update(5000);
    move.onUpdate(5000);
    EXPECT_EQ(node->getPosition(), vector3df(2.5f, 0, 0));
    EXPECT_FALSE(move.isDead());

    gameClock().setSpeed(1.0f);
    gameClock().update(749);
    move.onUpdate(749);
    EXPECT_FALSE(move.isDead());
    gameClock().update(1);
    move.onUpdate(1);
    EXPECT_EQ(node->getPosition(), vector3df(10, 0, 0));
    EXPECT_TRUE(move.isDead());
}

TEST_F(GameClockTest, AMoveOfNoDurationReachesItsTargetAtTheFirstUpdate)
{
    irr::scene::ISceneNode* node = m_device->getSceneManager()->addEmptySceneNode();
    MoveSceneNodeProcess move(node, {1, 2, 3}, 0, createFluxCalc(L"SLOW_DOWN"), 0);
    move.onUpdate(0);
    EXPECT_EQ(node->getPosition(), vector3df(1, 2, 3));
    EXPECT_TRUE(move.isDead());
}
} // namespace
