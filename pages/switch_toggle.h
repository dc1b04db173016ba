// The on/off switches that a click flips (animation, autostart): 1 becomes 0, 0 becomes 1, and a
// value that is neither (typed into the settings file by hand) makes the click do nothing.
#pragma once

#include <cstdint>
#include <optional>

constexpr std::optional<std::uint8_t> ToggledSwitch(std::uint8_t value)
{
    if (value == 0)
        return 1;
    if (value == 1)
        return 0;
    return std::nullopt;
}
