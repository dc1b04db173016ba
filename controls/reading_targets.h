// What the monitor worker writes into: the labels, bars and gauges of the monitor page implement
// these. They are called from the worker's thread.
#pragma once

#include <cstdint>
#include <string>

// Every call only stores the new value and invalidates: nothing is painted and no message is sent
// from the caller's thread.
class IReadingLabel {
public:
    virtual ~IReadingLabel() = default;
    virtual void SetText(const std::wstring& text) = 0;
};

class IReadingBar {
public:
    virtual ~IReadingBar() = default;
    // The bar rule: moves only for a value inside the range that differs from the last one shown.
    virtual void ShowValue(std::int32_t value) = 0;
};

class ITemperatureGauge {
public:
    virtual ~ITemperatureGauge() = default;
    // selector 0 CPU, 1 GPU; a temperature in whole degrees Celsius; unit 1 Celsius, 0 Fahrenheit.
    virtual void SetValue(std::int32_t selector, std::int32_t celsius, std::uint8_t unit) = 0;
};
