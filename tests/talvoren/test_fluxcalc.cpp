#include "talvoren/clock.h"
#include "talvoren/fluxcalc.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
class FluxCalcTest : public testing::Test
{
protected:
    template <class Curve, class... Power>
    std::shared_ptr<Curve> started(std::uint32_t durationMs, std::uint32_t delayMs, Power... power)
    {
        auto curve = std::make_shared<Curve>(m_clock, power...);
        curve->start(durationMs, delayMs);
        return curve;
    }
    //! The value after the clock ran ms further.
    float after(FluxCalc& curve, std::uint32_t ms, float offset = 0.0f)
    {
        m_clock->update(ms);
        return curve.advance(offset);
    }

    std::shared_ptr<Talvoren::Clock> m_clock = std::make_shared<Talvoren::Clock>();
};

TEST_F(FluxCalcTest, LinearFollowsTheClockFromStart)
{
    m_clock->update(700); // Time before start does not count.
    auto linear = started<FluxCalcLinear>(1000, 0);
    EXPECT_FLOAT_EQ(after(*linear, 250), 0.25f);
    EXPECT_FALSE(linear->isFinished());
    EXPECT_FLOAT_EQ(after(*linear, 250), 0.5f);
}

TEST_F(FluxCalcTest, PowerShapesAtTheMiddle)
{
    const float slow[] = {0.75f, 0.9375f, 0.99609375f};
    const float fast[] = {0.25f, 0.0625f, 0.00390625f};
    for (std::uint32_t power = 1; power <= 3; ++power)
    {
        auto slowdown = started<FluxCalcSlowdown>(1000, 0, power);
        auto speedUp = started<FluxCalcSpeedUp>(1000, 0, power);
        m_clock->update(500);
        EXPECT_FLOAT_EQ(slowdown->advance(0.0f), slow[power - 1]) << "power " << power;
        EXPECT_FLOAT_EQ(speedUp->advance(0.0f), fast[power - 1]) << "power " << power;
    }
}

TEST_F(FluxCalcTest, LogisticIsSmoothStep)
{
    auto logistic = started<FluxCalcLogistic>(1000, 0, 5u);
    EXPECT_FLOAT_EQ(after(*logistic, 250), 0.15625f);
    EXPECT_FLOAT_EQ(after(*logistic, 250), 0.5f);
    EXPECT_FLOAT_EQ(after(*logistic, 250), 0.84375f);
}

TEST_F(FluxCalcTest, EveryShapeStartsAtZeroAndEndsAtExactlyOne)
{
    std::shared_ptr<FluxCalc> curves[] = {started<FluxCalcLinear>(400, 0), started<FluxCalcSlowdown>(400, 0, 2u),
                                          started<FluxCalcSpeedUp>(400, 0, 2u), started<FluxCalcLogistic>(400, 0, 2u)};
    for (auto& curve : curves)
        EXPECT_EQ(curve->advance(0.0f), 0.0f);
    m_clock->update(399);
    for (auto& curve : curves)
    {
        curve->advance(0.0f);
        EXPECT_FALSE(curve->isFinished());
    }
    m_clock->update(1);
    for (auto& curve : curves)
    {
        EXPECT_EQ(curve->advance(0.0f), 1.0f);
        EXPECT_TRUE(curve->isFinished());
        m_clock->update(5000);
        EXPECT_EQ(curve->advance(0.0f), 1.0f) << "stays at 1";
    }
}

TEST_F(FluxCalcTest, ZeroDurationGivesTheValueAtOne)
{
    auto linear = started<FluxCalcLinear>(0, 0);
    EXPECT_EQ(linear->advance(0.0f), 1.0f);
    auto slowdown = started<FluxCalcSlowdown>(0, 0, 3u);
    EXPECT_EQ(slowdown->calc(0.0f), 1.0f);
    auto speedUp = started<FluxCalcSpeedUp>(0, 0, 3u);
    EXPECT_EQ(speedUp->calc(0.5f), 1.0f);
    auto logistic = started<FluxCalcLogistic>(0, 0, 0u);
    EXPECT_EQ(logistic->calc(0.0f), 1.0f);
}

TEST_F(FluxCalcTest, DelayHoldsZeroThenCountsAnewWithoutTheSurplus)
{
    auto slowdown = started<FluxCalcSlowdown>(1000, 500, 1u);
    EXPECT_EQ(after(*slowdown, 499), 0.0f);
    EXPECT_EQ(after(*slowdown, 100), 0.0f) << "the call that spends the delay reads position 0";
    EXPECT_FLOAT_EQ(after(*slowdown, 500), 0.75f) << "the 99 ms beyond the delay are dropped";

    auto logistic = started<FluxCalcLogistic>(1000, 200, 0u);
    EXPECT_EQ(after(*logistic, 200), 0.0f);
    EXPECT_FLOAT_EQ(after(*logistic, 250), 0.15625f);
}

TEST_F(FluxCalcTest, OffsetReadsAheadByAShareOfTheDuration)
{
    auto linear = started<FluxCalcLinear>(1000, 0);
    EXPECT_FLOAT_EQ(linear->advance(0.5f), 0.5f);
    EXPECT_FLOAT_EQ(after(*linear, 250, 0.5f), 0.75f);
    EXPECT_FLOAT_EQ(linear->calc(2.0f), 1.0f) << "clamped to the duration";
    EXPECT_FLOAT_EQ(linear->calc(-1.0f), 0.0f) << "clamped to 0";
    auto speedUp = started<FluxCalcSpeedUp>(1000, 0, 1u);
    EXPECT_FLOAT_EQ(speedUp->calc(0.5f), 0.25f);
}

TEST_F(FluxCalcTest, AStoppedClockStopsTheCurve)
{
    auto linear = started<FluxCalcLinear>(1000, 0);
    EXPECT_FLOAT_EQ(after(*linear, 100), 0.1f);
    m_clock->setSpeed(0.0f);
    EXPECT_FLOAT_EQ(after(*linear, 300), 0.1f);
    m_clock->setSpeed(0.5f);
    EXPECT_FLOAT_EQ(after(*linear, 300), 0.25f);
}

TEST_F(FluxCalcTest, StartRestartsTheCurve)
{
    auto linear = started<FluxCalcLinear>(100, 0);
    after(*linear, 150);
    EXPECT_TRUE(linear->isFinished());
    linear->start(200, 0);
    EXPECT_FALSE(linear->isFinished());
    EXPECT_FLOAT_EQ(after(*linear, 50), 0.25f);
}
} // namespace
