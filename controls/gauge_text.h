// What the round temperature gauge (CStaticProgress) shows for a temperature: the number, the unit
// sign, the caption, where the texts go and how long the arc is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/control_geometry.h"

// The unit flag: 0 is Fahrenheit, any other value Celsius (the temperature unit setting).
constexpr std::int32_t kGaugeFahrenheit = 0;

constexpr wchar_t kDegreesFahrenheitSign = L'\u2109'; // ℉
constexpr wchar_t kDegreesCelsiusSign = L'\u2103';    // ℃

struct GaugeValueText {
    std::wstring value; // the number
    std::wstring unit;  // one character, ℉ or ℃
    friend bool operator==(const GaugeValueText&, const GaugeValueText&) = default;
};

// Celsius: the whole degrees as they are ("%d"). Fahrenheit: celsius × 1.8 + 32 in single
// precision, rounded to a whole number (FormatRounded), so 45 shows "113".
GaugeValueText FormatGaugeValue(std::int32_t celsius, std::int32_t unitFlag);

// The caption for a selector: 0 "CPU", 1 "GPU"; any other selector keeps `current`.
std::wstring GaugeCaption(std::int32_t selector, const std::wstring& current);

// Length of the value arc in degrees: celsius × 3.6 in single precision, truncated toward zero, so
// 100 °C fills the ring and -1 gives a 3 degree arc running counter-clockwise. The sweep follows
// the Celsius value whatever unit is shown. Beyond ±100 °C the ring is full either way; the result
// is held at ±360 there, so even the extremes of the integer range give a defined sweep.
std::int32_t GaugeSweep(std::int32_t celsius);

struct GaugeTextPositions {
    FloatPoint value; // top-left of the number; (0, 0) before the first value
    FloatPoint unit;  // top-left of the unit sign; (0, 0) before the first value
    friend bool operator==(const GaugeTextPositions&, const GaugeTextPositions&) = default;
};

// Where the number and the unit sign go for a number of `valueLength` characters:
//   1: (70, 55), (102, 65)   2: (55, 55), (112, 65)   3: (40, 55), (122, 65)
//   4: (25, 55), unit kept   5: (22, 55), unit kept   other lengths keep both.
GaugeTextPositions PlaceGaugeTexts(std::size_t valueLength, const GaugeTextPositions& current);
