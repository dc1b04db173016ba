#include "simulated_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

namespace sensor_standin {
namespace {

TEST(SimulatedValueTest, ReadsFixedNumbersAndRanges)
{
    struct Case {
        std::string_view text;
        double low, high, period;
    };
    const std::vector<Case> cases = {
        {"45", 45, 45, 0},
        {"0", 0, 0, 0},
        {" -3.5 ", -3.5, -3.5, 0},
        {"38..72", 38, 72, 0},
        {"1.5 .. 2.25", 1.5, 2.25, 0},
        {"-10..-2", -10, -2, 0},
        {"72..38", 38, 72, 0},
        {"38..72 every 40s", 38, 72, 40},
        {"38..72 EVERY 7.5", 38, 72, 7.5},
        {"50 every 10s", 50, 50, 10},
    };
    for (const Case& c : cases) {
        const auto value = ParseSimulatedValue(c.text);
        ASSERT_TRUE(value) << c.text;
        EXPECT_EQ(value->low, c.low) << c.text;
        EXPECT_EQ(value->high, c.high) << c.text;
        EXPECT_EQ(value->periodSeconds, c.period) << c.text;
    }
}

TEST(SimulatedValueTest, RejectsAnythingElse)
{
    for (const std::string_view text : {"", "warm", "45C", "38..", "..72", "38...72", "38..72..90", "1e3", "nan",
                                        "inf", "38..72 every", "38..72 every 0s", "38..72 every -5s",
                                        "38..72 every fast", "38..72every 40s", "every 40s", "0x10", ".5", "5..-"}) {
        EXPECT_FALSE(ParseSimulatedValue(text)) << text;
    }
}

TEST(SimulatedValueTest, AFixedNumberIsExactAtAnyTime)
{
    const SimulatedValue zero{0.0, 0.0, 0.0};
    const SimulatedValue warm{45.25, 45.25, 10.0};
    for (const double seconds : {0.0, 3.7, 1.7e9, 1.7e9 + 12.5}) {
        EXPECT_EQ(zero.At(seconds, 0.3), 0.0);
        EXPECT_EQ(warm.At(seconds, 0.9), 45.25);
    }
}

TEST(SimulatedValueTest, ARangeSwingsSmoothlyBetweenItsEnds)
{
    const SimulatedValue range{30.0, 70.0, 40.0};
    constexpr double kStart = 1.2e9;  // wall-clock seconds are large; the swing must not suffer
    EXPECT_NEAR(range.At(kStart, 0.0), 30.0, 1e-6);
    EXPECT_NEAR(range.At(kStart + 20.0, 0.0), 70.0, 1e-6);
    EXPECT_NEAR(range.At(kStart + 10.0, 0.0), 50.0, 1e-6);
    EXPECT_NEAR(range.At(kStart, 0.5), 70.0, 1e-6);  // the phase shifts it by half a period

    double lowest = range.high, highest = range.low;
    double previous = range.At(kStart, 0.0);
    for (double t = 0.1; t <= 80.0; t += 0.1) {
        const double now = range.At(kStart + t, 0.0);
        ASSERT_GE(now, range.low);
        ASSERT_LE(now, range.high);
        // The steepest slope of the swing is pi * 40 / 40 per second.
        ASSERT_LE(std::abs(now - previous), std::numbers::pi * 0.1 + 1e-6) << t;
        lowest = std::min(lowest, now);
        highest = std::max(highest, now);
        previous = now;
    }
    EXPECT_NEAR(lowest, 30.0, 0.01);
    EXPECT_NEAR(highest, 70.0, 0.01);

    const SimulatedValue noPeriod{30.0, 70.0, 0.0};  // the default period applies
    EXPECT_NEAR(noPeriod.At(kStart + kDefaultPeriodSeconds / 2, 0.0), 70.0, 1e-6);
}

}  // namespace
}  // namespace sensor_standin
