// The start-up splash: logo opacity over each window and the hand-over to the menu.

#include "code/src/menu/gamestartlogic.h"
#include "talvoren/consolelogic.h"
#include "tests/code/menu/menutestsupport.h"

#include <gtest/gtest.h>

using Belgarune::GameStartLogic;

TEST(GameStartLogicAlpha, FadesInOverAFifthAndOutOverThreeTenths)
{
    // t, window from and to, alpha (-1: not drawn).
    const irr::s32 samples[][4] = {
        {999, 1000, 3000, -1},   {1000, 1000, 3000, 0},   {1200, 1000, 3000, 127}, {1400, 1000, 3000, 255},
        {2400, 1000, 3000, 255}, {2700, 1000, 3000, 127}, {3000, 1000, 3000, 0},   {3000, 3000, 5000, 0},
        {3001, 1000, 3000, -1},  {7000, 5000, 7000, 0},   {7001, 5000, 7000, -1},
    };
    for (const auto& [t, from, to, alpha] : samples)
        EXPECT_EQ(GameStartLogic::logoAlpha(t, from, to), alpha) << "t " << t << " in " << from << ".." << to;
}

class SplashTest : public menutest::MenuDeviceTest
{
};

// No logo file exists here: the hand-over still comes at 7500 ms, on every
// frame from then on, and again 7500 ms after a restart.
TEST_F(SplashTest, SplashAsksForTheMenuOnEveryFrameFrom7500Ms)
{
    GameStartLogic splash;
    const irr::u32 start = now();
    auto drawAt = [&](irr::u32 t) {
        setTime(start + t);
        splash.draw();
    };
    for (irr::u32 t : {0u, 1000u, 2000u, 5000u, 7499u})
        drawAt(t);
    EXPECT_TRUE(journal().empty());
    for (irr::u32 t : {7500u, 7516u, 9000u})
        drawAt(t);
    EXPECT_EQ(journal(), (std::vector<std::string>{"state 1", "state 1", "state 1"}));

    splash.restart();
    drawAt(10000);
    drawAt(17499);
    EXPECT_EQ(journal().size(), 3u);
    drawAt(17500);
    EXPECT_EQ(journal().size(), 4u);
    EXPECT_FALSE(splash.OnEvent(keyEvent(irr::KEY_ESCAPE, false)));
}

// A missing logo is looked for once and reported once, not on every frame of its window.
TEST_F(SplashTest, MissingLogoIsTriedAndReportedOnce)
{
    GameStartLogic splash;
    const irr::u32 start = now();
    for (irr::u32 t = 0; t <= 2000; t += 100)
    {
        setTime(start + t);
        splash.draw();
    }
    size_t reports = 0;
    for (const auto& message : m_device->getConsole()->getMessageList().getMessages())
        reports += irr::core::stringc(message.text).find("tq_logo.png") >= 0 ? 1 : 0;
    EXPECT_EQ(reports, 1u);
}
