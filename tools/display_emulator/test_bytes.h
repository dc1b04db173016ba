// Byte helpers shared by the emulator's tests.
#pragma once

#include <cstdint>
#include <numeric>
#include <sstream>
#include <string_view>
#include <vector>

namespace display_emulator {

// "c5 01 00" -> {0xC5, 0x01, 0x00}
inline std::vector<std::uint8_t> Bytes(std::string_view hex)
{
    std::istringstream in{std::string(hex)};
    std::vector<std::uint8_t> bytes;
    unsigned value = 0;
    while (in >> std::hex >> value)
        bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

// The 17 bytes before the checksum, completed with their correct checksum.
inline std::vector<std::uint8_t> Sealed(std::string_view hexOf17)
{
    std::vector<std::uint8_t> bytes = Bytes(hexOf17);
    bytes.push_back(static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u)));
    return bytes;
}

}  // namespace display_emulator
