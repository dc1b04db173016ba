#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "controls/slider_fill.h"
#include "controls/slider_state.h"

namespace {

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

TEST(SliderFill, IsTheTruncatedShareOfTheWidth)
{
    struct Case {
        const char* name;
        std::int32_t width, value, min, max, expected;
    };
    const Case cases[] = {
        {"range start", 200, 0, 0, 100, 0},
        {"range end covers the track", 200, 100, 0, 100, 200},
        {"57 of 100 on 200 pixels", 200, 57, 0, 100, 114},
        {"quotient truncated: 3599 of 5000 on 150", 150, 3599, 0, 5000, 107},
        {"range not starting at zero", 100, 15, 10, 20, 50},
        {"negative range", 90, -5, -10, 0, 45},
        {"below the range: empty", 200, -1, 0, 100, 0},
        {"above the range: full", 200, 5200, 0, 5000, 200},
        {"range of no width", 200, 7, 7, 7, 0},
        {"inverted range", 200, 5, 10, 0, 0},
        {"no width", 0, 50, 0, 100, 0},
        {"negative width", -20, 50, 0, 100, 0},
        {"whole integer range, no overflow", kIntMax, kIntMax, kIntMin, kIntMax, kIntMax},
        {"whole integer range, middle", 1000, 0, kIntMin, kIntMax, 500},
        {"wide track times a large value", 100000, 1000000, 0, 2000000, 50000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SliderFillLength(c.width, c.value, c.min, c.max), c.expected) << c.name;
}

TEST(SliderFill, DrawnLengthStaysOnTheTrack)
{
    EXPECT_EQ(ClampFillLength(0, 200), 0);
    EXPECT_EQ(ClampFillLength(100, 200), 100);
    EXPECT_EQ(ClampFillLength(200, 200), 200);
    EXPECT_EQ(ClampFillLength(250, 200), 200);
    EXPECT_EQ(ClampFillLength(-3, 200), 0);
    EXPECT_EQ(ClampFillLength(5, -1), 0);
}

// The worker's rule: a value moves the bar only inside the range and only when it changed.
TEST(SliderBarRule, FollowsReadingsInsideTheRangeAndIgnoresTheRest)
{
    struct Step {
        std::int32_t value;
        bool redraw;
        std::int32_t pos;
        std::int32_t shownValue;
    };
    struct Case {
        const char* name;
        std::int32_t min, max, width;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"load bar, 200 pixels", 0, 100, 200,
         {{0, false, 0, 0}, // the first reading of exactly 0 changes nothing
          {100, true, 200, 100},
          {57, true, 114, 57},
          {57, false, 114, 57},
          {0, true, 0, 0}}},
        {"fan bar: 5200 RPM leaves the bar, 4800 moves it again", 0, 5000, 150,
         {{3000, true, 90, 3000}, {5200, false, 90, 3000}, {4800, true, 144, 4800}}},
        {"a value below the range is ignored", 0, 100, 200, {{50, true, 100, 50}, {-1, false, 100, 50}}},
        {"range ends are inside", 0, 1000, 120, {{1000, true, 120, 1000}, {0, true, 0, 0}}},
        {"range of no width: no division", 0, 0, 200, {{0, false, 0, 0}, {1, false, 0, 0}}},
        {"range of no width away from zero", 5, 5, 200, {{5, true, 0, 5}}},
        {"inverted range never moves", 100, 0, 200, {{50, false, 0, 0}}},
    };
    for (const Case& c : cases) {
        CSliderState bar;
        bar.SetRange(c.min, c.max);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            EXPECT_EQ(bar.ApplyBarValue(step.value, c.width), step.redraw) << c.name << ", step " << i;
            EXPECT_EQ(bar.Pos(), step.pos) << c.name << ", step " << i;
            EXPECT_EQ(bar.Value(), step.shownValue) << c.name << ", step " << i;
        }
    }
}

} // namespace
