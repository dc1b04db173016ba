// The emulator's output lines: one JSON object per line on stdout for tools, one short line per
// frame on stderr for people.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "frame_decoder.h"

namespace display_emulator {

// "2024-05-01T12:34:56.789Z"
std::string IsoUtcTime(std::chrono::system_clock::time_point time);

// Lower-case hexadecimal, one space between bytes: "c5 01 00".
std::string HexBytes(std::span<const std::uint8_t> bytes);

// {"event":"ready","port":"/dev/pts/3"}
std::string ReadyJson(const std::string& port);

// `answered` is reported for probe frames only.
std::string FrameJson(const DecodedFrame& frame, const std::string& time, bool answered);

// "CPU 45 °C", "GPU fan 1200 RPM, turn 1", "probe answered", "bad frame: bad checksum".
std::string FrameSummary(const DecodedFrame& frame, bool answered);

}  // namespace display_emulator
