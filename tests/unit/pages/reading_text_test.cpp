#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "pages/reading_text.h"
#include "controls/rounded_text.h"

namespace {

TEST(ReadingText, LoadIsTheTruncatedWholePercent)
{
    EXPECT_EQ(FormatLoadText(57), L"57 %");
    EXPECT_EQ(FormatLoadText(0), L"0 %");
    EXPECT_EQ(FormatLoadText(-1), L"-1 %");
}

TEST(ReadingText, ClockFanAndPowerAreRoundedWithTheirUnit)
{
    struct Case {
        float reading;
        std::wstring_view unit;
        const wchar_t* text;
    };
    const Case cases[] = {
        {3599.6f, kClockUnit, L"3600 MHz"},
        {3599.4f, kClockUnit, L"3599 MHz"},
        {5200.0f, kFanUnit, L"5200 RPM"},
        {0.0f, kFanUnit, L"0 RPM"},
        {65.5f, kPowerUnit, L"66 W"}, // a tie goes to the even neighbour
        {64.5f, kPowerUnit, L"64 W"},
        {-0.3f, kPowerUnit, L"0 W"},
        {-2.7f, kPowerUnit, L"-3 W"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatRoundedReadingText(c.reading, c.unit), c.text) << c.reading;
}

TEST(RoundedText, IsPrintfRoundingWithoutNegativeZeroAndTheSameEverywhere)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0.5, L"0"},
        {1.5, L"2"},
        {2.5, L"2"},
        {-0.5, L"0"},
        {-0.0, L"0"},
        {-1.5, L"-2"},
        {4294967296.0, L"4294967296"},
        {std::numeric_limits<float>::max(), L"340282346638528859811704183484516925440"},
        {std::nan(""), L"nan"},
        {-std::nan(""), L"nan"},
        {kInf, L"inf"},
        {-kInf, L"-inf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatRounded(c.value), c.text) << c.value;
    EXPECT_EQ(FormatRounded(std::numeric_limits<double>::max()).size(), 309u) << "the longest number fits";
}

} // namespace
