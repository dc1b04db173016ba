#include "controls/gauge_text.h"

#include <cmath>

#include "controls/rounded_text.h"

GaugeValueText FormatGaugeValue(std::int32_t celsius, std::int32_t unitFlag)
{
    if (unitFlag == kGaugeFahrenheit) {
        const float fahrenheit = static_cast<float>(celsius) * 1.8f + 32.0f;
        return {FormatRounded(fahrenheit), std::wstring(1, kDegreesFahrenheitSign)};
    }
    return {std::to_wstring(celsius), std::wstring(1, kDegreesCelsiusSign)};
}

std::wstring GaugeCaption(std::int32_t selector, const std::wstring& current)
{
    switch (selector) {
    case 0:
        return L"CPU";
    case 1:
        return L"GPU";
    default:
        return current;
    }
}

std::int32_t GaugeSweep(std::int32_t celsius)
{
    constexpr std::int32_t kFullRingCelsius = 100;
    constexpr std::int32_t kFullRing = 360;
    if (celsius >= kFullRingCelsius)
        return kFullRing;
    if (celsius <= -kFullRingCelsius)
        return -kFullRing;
    const float sweep = static_cast<float>(celsius) * 3.6f;
    return static_cast<std::int32_t>(std::trunc(sweep));
}

GaugeTextPositions PlaceGaugeTexts(std::size_t valueLength, const GaugeTextPositions& current)
{
    constexpr float kValueTop = 55.0f;
    constexpr float kUnitTop = 65.0f;
    GaugeTextPositions placed = current;
    switch (valueLength) {
    case 1:
        placed = {{70.0f, kValueTop}, {102.0f, kUnitTop}};
        break;
    case 2:
        placed = {{55.0f, kValueTop}, {112.0f, kUnitTop}};
        break;
    case 3:
        placed = {{40.0f, kValueTop}, {122.0f, kUnitTop}};
        break;
    case 4:
        placed.value = {25.0f, kValueTop};
        break;
    case 5:
        placed.value = {22.0f, kValueTop};
        break;
    default:
        break;
    }
    return placed;
}
