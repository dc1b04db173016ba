// The label texts of the monitor page's readings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Load labels: the truncated reading and a percent sign, "57 %".
std::wstring FormatLoadText(std::int32_t load);

// Clock, fan and power labels: the reading itself rounded to a whole number, a space and the unit,
// "3600 MHz" for 3599.6 (the bar beside it uses the truncated 3599). See FormatRounded.
std::wstring FormatRoundedReadingText(float reading, std::wstring_view unit);

constexpr std::wstring_view kClockUnit = L"MHz";
constexpr std::wstring_view kFanUnit = L"RPM";
constexpr std::wstring_view kPowerUnit = L"W";
