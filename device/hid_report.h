// The 65-byte output report of the HID display: all ten readings at once.
#pragma once

#include <array>
#include <cstdint>

#include "device/display_readings.h"

constexpr std::uint16_t kHidDisplayVendorId = 0x5131;
constexpr std::uint16_t kHidDisplayProductId = 0x2007;

struct HidReadingsReport {
    static constexpr std::size_t kSize = 65; // report id and 64 data bytes
    std::array<std::uint8_t, kSize> bytes{};
};

// Temperatures always in Celsius; 8-bit fields take the low byte, 16-bit fields the low 16 bits,
// high byte first; everything after byte 17 is zero.
HidReadingsReport BuildHidReadingsReport(const DisplayReadings& readings);
