// What one frame received from the serial link says: its type, its reading and, when the bytes
// break the display's frame format, why.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace display_emulator {

inline constexpr std::size_t kFrameSize = 18;
inline constexpr std::uint8_t kFrameStart = 0xC5;

// Garbage: bytes that do not begin with the start byte.
enum class FrameType { Probe, Blank, Reading, Animation, Unknown, Garbage };

enum class Device { Cpu, Gpu };

enum class ValueKind : std::uint8_t { ClockMHz = 0, TempC = 1, TempF = 2, FanRpm = 4, PowerW = 5, LoadPct = 6 };

struct Reading {
    Device device;
    ValueKind kind;
    std::int16_t value;

    bool operator==(const Reading&) const = default;
};

struct DecodedFrame {
    std::vector<std::uint8_t> bytes;
    FrameType type = FrameType::Garbage;
    std::string error;             // empty when the frame is well formed
    std::optional<int> turn;       // reading frames; empty when the command byte does not carry it
    std::optional<Reading> reading;

    bool WellFormed() const { return error.empty(); }
};

// Decodes one frame. Frames that are not well formed are still decoded as far as their bytes allow.
DecodedFrame DecodeFrame(std::span<const std::uint8_t> bytes);

}  // namespace display_emulator
