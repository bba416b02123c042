// What the view shows over time: notices, the opening credits, the time bubble
// and the screen shake.

#include "code/src/view/notice.h"
#include "code/src/view/openingcredits.h"
#include "code/src/view/screenshake.h"
#include "code/src/view/timebubble.h"

#include <gtest/gtest.h>

#include <cstring>

using irr::core::vector3df;

TEST(ViewTimingTest, NoticeFadesInAndVanishesWhenItsTimeIsOver)
{
    Belgarune::Notice notice;
    notice.show(L"Learned a song", 2000, 1000);
    const struct
    {
        irr::f64 now;
        bool shown;
        irr::f32 alpha;
    } kCases[] = {{1000.0, true, 0.0f}, {1250.0, true, 0.5f}, {1600.0, true, 1.0f}, {2999.9, true, 1.0f},
                  {3000.0, false, 0.0f}};
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.now);
        const std::optional<irr::f32> alpha = notice.alphaAt(c.now);
        ASSERT_EQ(alpha.has_value(), c.shown);
        if (alpha)
        {
            EXPECT_NEAR(*alpha, c.alpha, 1e-4f);
        }
    }
    notice.show(L"never", 0, 5000);
    EXPECT_FALSE(notice.alphaAt(5000.0));
}

TEST(ViewTimingTest, CreditCardsShowInTheirWindowsWithFades)
{
    const struct
    {
        irr::u32 ms;
        const wchar_t* title;
        irr::f32 alpha;
    } kCases[] = {{0, nullptr, 0.0f},
                  {999, nullptr, 0.0f},
                  {1000, nullptr, 0.0f},
                  {1001, L"Graphik and conceptart", 0.002f},
                  {1250, L"Graphik and conceptart", 0.5f},
                  {3000, L"Graphik and conceptart", 1.0f},
                  {5750, L"Graphik and conceptart", 0.5f},
                  {6000, L"Graphik and conceptart", 0.0f},
                  {6001, nullptr, 0.0f},
                  {7001, L"Sounddesign", 0.002f},
                  {12000, L"Sounddesign", 0.0f},
                  {13001, L"Programming", 0.002f},
                  {18000, L"Programming", 0.0f},
                  {18001, nullptr, 0.0f}};
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.ms);
        const std::optional<Belgarune::CreditCard> card = Belgarune::creditCardAt(c.ms);
        ASSERT_EQ(card.has_value(), c.title != nullptr);
        if (!card)
            continue;
        EXPECT_EQ(std::wcscmp(card->title, c.title), 0);
        EXPECT_GT(std::wcslen(card->name), 0u);
        EXPECT_NEAR(card->alpha, c.alpha, 1e-4f);
    }
}

TEST(ViewTimingTest, TimeBubbleWidensThenShrinksAway)
{
    const struct
    {
        irr::f32 progress;
        bool visible;
        irr::f32 width;
        irr::f32 shaderValue;
    } kCases[] = {{0.05f, true, 0.2f, 0.75f}, {0.5f, true, 0.4f, 0.75f}, {0.95f, true, 0.2f, 0.375f},
                  {1.0f, false, 0.0f, 0.0f}};
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.progress);
        const Belgarune::TimeBubbleLook look = Belgarune::timeBubbleAt(c.progress);
        ASSERT_EQ(look.visible, c.visible);
        if (!look.visible)
            continue;
        EXPECT_NEAR(look.scale.X, c.width, 1e-4f);
        EXPECT_NEAR(look.scale.Z, c.width, 1e-4f);
        EXPECT_FLOAT_EQ(look.scale.Y, 0.2f);
        EXPECT_NEAR(look.shaderValue, c.shaderValue, 1e-4f);
    }
}

namespace
{
const vector3df kEye(0.0f, 10.0f, 0.0f);
const vector3df kTarget(0.0f, 10.0f, 10.0f);
const vector3df kUp(0.0f, 1.0f, 0.0f);
} // namespace

TEST(ViewTimingTest, ShakeMovesTheCameraAcrossItsViewLessAndLessUntilItEnds)
{
    Belgarune::ScreenShake shake;
    shake.start(2.0f, 1000, 100);
    const std::optional<vector3df> early = shake.displacement(kEye, kTarget, kUp, 150.0);
    ASSERT_TRUE(early);
    EXPECT_FLOAT_EQ(early->Z, 0.0f) << "never along the view";
    // At t = 0.05: k = 1.9; the terms as the drawing spells them.
    const irr::f64 k = 0.95 * 2.0;
    EXPECT_NEAR(early->Y, (std::sin(0.07 * 150) - 0.5) * k * 0.5 + (std::sin(0.03 * 150) - 0.5) * k, 1e-4);
    EXPECT_NEAR(early->X, (std::sin(0.075 * 150) - 0.5) * k * 0.5 + (std::sin(0.03 * 150) - 0.55) * k, 1e-4);

    const std::optional<vector3df> last = shake.displacement(kEye, kTarget, kUp, 1100.0);
    ASSERT_TRUE(last);
    EXPECT_NEAR(last->getLength(), 0.0f, 1e-5f);
    EXPECT_FALSE(shake.displacement(kEye, kTarget, kUp, 1100.5));
    EXPECT_FALSE(shake.isRunning());
    EXPECT_FALSE(shake.displacement(kEye, kTarget, kUp, 150.0)) << "an ended shake stays ended";
}

TEST(ViewTimingTest, ShakeWithoutDurationOrStrengthNeverMovesTheCamera)
{
    Belgarune::ScreenShake shake;
    shake.start(1.0f, 0, 100);
    EXPECT_FALSE(shake.displacement(kEye, kTarget, kUp, 100.0));
    EXPECT_FALSE(shake.isRunning());
    shake.start(0.0f, 1000, 100);
    EXPECT_FALSE(shake.displacement(kEye, kTarget, kUp, 200.0));
}

TEST(ViewTimingTest, SecondShakeRestartsWithItsOwnStrengthAndDuration)
{
    Belgarune::ScreenShake shake;
    shake.start(1.0f, 100, 0);
    shake.start(4.0f, 2000, 50);
    const std::optional<vector3df> strong = shake.displacement(kEye, kTarget, kUp, 150.0);
    ASSERT_TRUE(strong);
    Belgarune::ScreenShake single;
    single.start(4.0f, 2000, 50);
    EXPECT_EQ(*single.displacement(kEye, kTarget, kUp, 150.0), *strong);
}
