// Whole-number texts of readings, rounded the way the C formatter's "%.f" rounds.
#pragma once

#include <string>

// The value rounded to a whole number (to nearest, ties to even) with no decimals, as "%.f" gives,
// except that a value that rounds to zero is written "0", never "-0". NaN is written "nan" and the
// infinities "inf" and "-inf" on every platform.
std::wstring FormatRounded(double value);
