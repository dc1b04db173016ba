// How a page hears that the user changed the temperature unit (the settings live with the main
// window, which tells its pages).
#pragma once

#include <cstdint>

// Told when the temperature unit changes: the monitor page and the display page.
class ITemperatureUnitListener {
public:
    virtual ~ITemperatureUnitListener() = default;
    virtual void SetTemperatureUnit(std::uint8_t unit) = 0;
};
