// The command line of display-emulator.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace display_emulator {

inline constexpr std::uint8_t kProbeAnswer = 0x5C;

struct EmulatorOptions {
    std::optional<std::string> ttyPath;   // serve this existing tty instead of a new pseudo-terminal
    std::optional<std::string> linkPath;  // symbolic link to the port, made when ready, removed on exit
    bool answerProbes = true;
    std::uint8_t answerByte = kProbeAnswer;
    std::chrono::milliseconds answerDelay{0};
    std::optional<unsigned long> exitAfter;  // frames, probes and garbage included
};

struct ParsedOptions {
    std::optional<EmulatorOptions> options;  // empty on error or when help was asked for
    std::string error;
    bool helpRequested = false;
};

// `args` excludes the program name. Accepts "--name value" and "--name=value".
ParsedOptions ParseOptions(std::span<const std::string_view> args);

std::string UsageText();

}  // namespace display_emulator
