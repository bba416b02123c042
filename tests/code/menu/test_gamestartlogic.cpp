// The start-up splash: logo opacity over each window and the hand-over to the menu.

#include "code/src/menu/gamestartlogic.h"
#include "tests/code/menu/menutestsupport.h"

#include <gtest/gtest.h>

using Belgarune::GameStartLogic;

namespace
{
struct AlphaCase
{
    irr::u32 t;
    irr::u32 from;
    irr::u32 to;
    irr::s32 alpha;
};

const AlphaCase kAlphaCases[] = {
    {999, 1000, 3000, -1},  {1000, 1000, 3000, 0},   {1200, 1000, 3000, 127}, {1400, 1000, 3000, 255},
    {2000, 1000, 3000, 255}, {2400, 1000, 3000, 255}, {2700, 1000, 3000, 127}, {3000, 1000, 3000, 0},
    {3000, 3000, 5000, 0},  {3001, 1000, 3000, -1},  {7000, 5000, 7000, 0},   {7001, 5000, 7000, -1},
};

class GameStartLogicTest : public menutest::MenuDeviceTest
{
protected:
    //! Draws one frame at that many ms after the first frame at the fixture's start time.
    void drawAt(irr::u32 t)
    {
        setTime(kStart + t);
        m_splash.draw();
    }

    static constexpr irr::u32 kStart = 100000;
    GameStartLogic m_splash;
};
} // namespace

TEST(GameStartLogicAlpha, FadesInOverAFifthAndOutOverThreeTenths)
{
    for (const AlphaCase& sample : kAlphaCases)
        EXPECT_EQ(GameStartLogic::logoAlpha(sample.t, sample.from, sample.to), sample.alpha)
            << "t " << sample.t << " in " << sample.from << ".." << sample.to;
}

// No logo file exists here: the hand-over still comes at 7500 ms, and on every frame after it.
TEST_F(GameStartLogicTest, AsksForTheMenuOnEveryFrameFrom7500Ms)
{
    for (irr::u32 t : {0u, 1000u, 2000u, 5000u, 7000u, 7499u})
        drawAt(t);
    EXPECT_TRUE(journal().empty());
    drawAt(7500);
    drawAt(7516);
    drawAt(9000);
    EXPECT_EQ(journal(), (std::vector<std::string>{"state 1", "state 1", "state 1"}));
}

TEST_F(GameStartLogicTest, RestartBeginsTheTimelineAtTheNextFrame)
{
    drawAt(0);
    drawAt(8000);
    ASSERT_EQ(journal().size(), 1u);
    m_splash.restart();
    drawAt(10000); // the new start
    drawAt(17499);
    EXPECT_EQ(journal().size(), 1u);
    drawAt(17500);
    EXPECT_EQ(journal().size(), 2u);
}

TEST_F(GameStartLogicTest, TakesNoInputAndAnswersAsTheRootLogic)
{
    const irr::SEvent escape = keyEvent(irr::KEY_ESCAPE, false);
    EXPECT_FALSE(m_splash.OnEvent(escape));
    EXPECT_STREQ(m_splash.getName(), "Root GameStartLogic");
    EXPECT_STREQ(static_cast<Talvoren::GameLogic&>(m_splash).getName(), "Root GameStartLogic");
    EXPECT_TRUE(journal().empty());
}
