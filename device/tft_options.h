// The display options: one byte per settings key, in the settings file's order.
#pragma once

#include <array>
#include <cstdint>

enum TftOption : std::uint8_t {
    TFT_CTEMP,
    TFT_CFREQ,
    TFT_CTRPM,
    TFT_CPOWER,
    TFT_CLOAD,
    TFT_GTEMP,
    TFT_GFREQ,
    TFT_GTRPM,
    TFT_GPOWER,
    TFT_GLOAD,
    TFT_OPEN,
    TFT_SPEED,
    TFT_ANIMATION,
    TFT_TURN,
    kTftOptionCount
};

struct TftOptions {
    std::array<std::uint8_t, kTftOptionCount> bytes{};
    std::uint8_t operator[](TftOption option) const { return bytes[option]; }
    std::uint8_t& operator[](TftOption option) { return bytes[option]; }
};
