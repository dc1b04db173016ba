// The 18-byte frame of the serial display: the one place that builds its bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

enum class FrameType : std::uint8_t { Blank = 0, Probe = 1, Reading = 2, Animation = 3 };

// Which slot a reading frame fills. There is no kind 3: offset 9 holds the frame state.
enum class ValueKind : std::uint8_t { ClockMHz = 0, TempC = 1, TempF = 2, FanRpm = 4, PowerW = 5, LoadPct = 6 };

constexpr std::uint8_t kFrameStart = 0xC5;
constexpr std::uint8_t kFrameTrailer = 0x01;
constexpr std::uint8_t kProbeAnswer = 0x5C;
constexpr std::uint8_t kGpuMarker = 0x10;

struct DisplayFrame {
    static constexpr std::size_t kSize = 18;
    std::array<std::uint8_t, kSize> bytes{};
};

// Builds a frame from the arguments of SendFrame (type, value, kind, gpu, turn); never fails.
// Unknown types and kinds leave their fields zero; a slot takes the low 16 bits of value, high byte first.
DisplayFrame BuildDisplayFrame(std::uint8_t type, std::int32_t value, std::uint8_t kind, std::uint8_t gpu,
                               std::uint8_t turn);

// Sum of bytes 0 to 16, modulo 256.
std::uint8_t FrameChecksum(const DisplayFrame& frame);

// The debugger trace of a frame: "%02x " for each byte, then "\r\n".
std::wstring FormatFrameTrace(const DisplayFrame& frame);
