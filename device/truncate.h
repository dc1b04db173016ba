// Turning a floating-point reading into a whole number without undefined behaviour.
#pragma once

#include <cstdint>

// Truncates toward zero. NaN gives 0; values at or beyond the ends of the 32-bit range (infinities
// included) give INT32_MIN or INT32_MAX.
std::int32_t TruncateToInt32(double value);
