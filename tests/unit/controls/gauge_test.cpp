#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/gauge_state.h"
#include "controls/gauge_text.h"

// Readable failure messages for whole faces.
static void PrintTo(const GaugeFace& face, std::ostream* os)
{
    *os << testing::PrintToString(face.caption) << ' ' << testing::PrintToString(face.valueText) << ' '
        << testing::PrintToString(face.unitText) << ", value at (" << face.positions.value.x << ", "
        << face.positions.value.y << "), unit at (" << face.positions.unit.x << ", " << face.positions.unit.y
        << "), sweep " << face.sweep;
}

namespace {

constexpr std::int32_t kCelsius = 1;
constexpr std::int32_t kFahrenheit = 0;
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
const std::wstring kC = L"\u2103";
const std::wstring kF = L"\u2109";

GaugeFace Face(std::wstring caption, std::wstring value, std::wstring unit, FloatPoint valueAt, FloatPoint unitAt,
               std::int32_t sweep)
{
    return {std::move(caption), std::move(value), std::move(unit), {valueAt, unitAt}, sweep};
}

TEST(Gauge, ShowsTheTemperatureAsNumberUnitAndArc)
{
    struct Step {
        std::int32_t selector, celsius, unit;
        bool redraw;
        GaugeFace face;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"45 in Celsius", {{0, 45, kCelsius, true, Face(L"CPU", L"45", kC, {55, 55}, {112, 65}, 162)}}},
        {"45 shown as Fahrenheit, arc still by Celsius",
         {{1, 45, kFahrenheit, true, Face(L"GPU", L"113", kF, {40, 55}, {122, 65}, 162)}}},
        {"100 fills the ring", {{0, 100, kCelsius, true, Face(L"CPU", L"100", kC, {40, 55}, {122, 65}, 360)}}},
        {"above 100 the ring stays full",
         {{0, 101, kCelsius, true, Face(L"CPU", L"101", kC, {40, 55}, {122, 65}, 360)},
          {0, 250, kCelsius, true, Face(L"CPU", L"250", kC, {40, 55}, {122, 65}, 360)}}},
        {"-1 runs 3 degrees counter-clockwise",
         {{0, -1, kCelsius, true, Face(L"CPU", L"-1", kC, {55, 55}, {112, 65}, -3)}}},
        {"-1 in Fahrenheit is 30.2, shown 30",
         {{0, -1, kFahrenheit, true, Face(L"CPU", L"30", kF, {55, 55}, {112, 65}, -3)}}},
        {"the same value twice draws once",
         {{0, 45, kCelsius, true, Face(L"CPU", L"45", kC, {55, 55}, {112, 65}, 162)},
          {0, 45, kCelsius, false, Face(L"CPU", L"45", kC, {55, 55}, {112, 65}, 162)}}},
        {"the same value in the other unit draws again",
         {{0, 45, kCelsius, true, Face(L"CPU", L"45", kC, {55, 55}, {112, 65}, 162)},
          {0, 45, kFahrenheit, true, Face(L"CPU", L"113", kF, {40, 55}, {122, 65}, 162)}}},
        {"a new caption alone is no change",
         {{0, 45, kCelsius, true, Face(L"CPU", L"45", kC, {55, 55}, {112, 65}, 162)},
          {1, 45, kCelsius, false, Face(L"CPU", L"45", kC, {55, 55}, {112, 65}, 162)}}},
        {"-1 with unit -1 is still a first value",
         {{0, -1, -1, true, Face(L"CPU", L"-1", kC, {55, 55}, {112, 65}, -3)}}},
        {"any nonzero unit flag is Celsius, and an unknown selector keeps the caption",
         {{1, 7, 1, true, Face(L"GPU", L"7", kC, {70, 55}, {102, 65}, 25)},
          {9, 8, 200, true, Face(L"GPU", L"8", kC, {70, 55}, {102, 65}, 28)}}},
        {"four and five characters move only the number",
         {{0, 45, kCelsius, true, Face(L"CPU", L"45", kC, {55, 55}, {112, 65}, 162)},
          {0, 1000, kFahrenheit, true, Face(L"CPU", L"1832", kF, {25, 55}, {112, 65}, 360)},
          {0, -1000, kCelsius, true, Face(L"CPU", L"-1000", kC, {22, 55}, {112, 65}, -360)}}},
        {"longer numbers keep both places",
         {{0, 5, kCelsius, true, Face(L"CPU", L"5", kC, {70, 55}, {102, 65}, 18)},
          {0, kIntMax, kCelsius, true, Face(L"CPU", L"2147483647", kC, {70, 55}, {102, 65}, 360)},
          {0, kIntMin, kFahrenheit, true, Face(L"CPU", L"-3865470464", kF, {70, 55}, {102, 65}, -360)}}},
    };
    for (const Case& c : cases) {
        CGaugeState gauge;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            EXPECT_EQ(gauge.SetValue(step.selector, step.celsius, step.unit), step.redraw) << c.name << ", step " << i;
            EXPECT_EQ(gauge.Face(), step.face) << c.name << ", step " << i;
        }
    }
    EXPECT_EQ(CGaugeState{}.Face(), GaugeFace{}) << "before the first value: empty texts, no arc";
}

TEST(Gauge, SweepIsThreePointSixDegreesPerDegreeTruncated)
{
    struct Case {
        std::int32_t celsius, sweep;
    };
    const Case cases[] = {{0, 0},       {1, 3},         {37, 133},      {45, 162},      {99, 356},
                          {100, 360},   {101, 360},     {kIntMax, 360}, {-1, -3},       {-99, -356},
                          {-100, -360}, {-5000, -360},  {kIntMin, -360}};
    for (const Case& c : cases)
        EXPECT_EQ(GaugeSweep(c.celsius), c.sweep) << c.celsius << " degrees";
    for (std::int32_t celsius = -100; celsius <= 100; ++celsius)
        EXPECT_EQ(GaugeSweep(celsius), celsius * 36 / 10) << celsius << " degrees";
}

TEST(Gauge, FahrenheitIsRoundedNotTruncated)
{
    struct Case {
        std::int32_t celsius;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, L"32"}, {1, L"34"},    {37, L"99"}, {99, L"210"},
        {-18, L"0"}, // -0.4 °F: no "-0"
        {-40, L"-40"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatGaugeValue(c.celsius, kFahrenheit), (GaugeValueText{c.text, kF})) << c.celsius << " degrees";
}

} // namespace
