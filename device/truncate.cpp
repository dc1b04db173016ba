#include "device/truncate.h"

#include <cmath>
#include <limits>

std::int32_t TruncateToInt32(double value)
{
    constexpr double kMin = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    constexpr double kMax = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (std::isnan(value))
        return 0;
    if (value <= kMin)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= kMax)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}
