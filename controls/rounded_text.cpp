#include "controls/rounded_text.h"

#include <cmath>
#include <cstdio>
#include <string_view>

std::wstring FormatRounded(double value)
{
    if (std::isnan(value))
        return L"nan";
    if (std::isinf(value))
        return value > 0 ? L"inf" : L"-inf";
    // The largest double has 309 digits before the point.
    char digits[320];
    const int length = std::snprintf(digits, sizeof digits, "%.0f", value);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof digits)
        return L"0";
    const std::string_view text(digits, static_cast<std::size_t>(length));
    if (text == "-0")
        return L"0";
    return std::wstring(text.begin(), text.end());
}
