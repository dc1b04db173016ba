#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "device/truncate.h"

namespace {

TEST(TruncateToInt32, DefinedForEveryDouble)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        double value;
        std::int32_t whole;
    };
    const Case cases[] = {
        {3599.6, 3599},       {-0.4, 0},           {-1.0, -1},     {-1.9, -1},
        {2147483647.0, kMax}, {2147483646.9, 2147483646},          {2147483648.0, kMax},
        {1e300, kMax},        {kInf, kMax},        {-2147483648.0, kMin}, {-2147483647.5, -2147483647},
        {-1e300, kMin},       {-kInf, kMin},       {std::nan(""), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TruncateToInt32(c.value), c.whole) << c.value;
}

} // namespace
