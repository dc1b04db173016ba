#include "device/display_frame.h"

#include <cstdio>

namespace {

constexpr std::size_t kCommandOffset = 1;
constexpr std::size_t kValueCodeOffset = 2;
constexpr std::size_t kStateOffset = 9;
constexpr std::size_t kTrailerOffset = 16;
constexpr std::size_t kChecksumOffset = 17;

constexpr std::uint8_t kStateBlank = 1;
constexpr std::uint8_t kStateActive = 2;

// Offset of the 16-bit slot that a kind fills; 0 for a kind that has none.
std::size_t SlotOffset(std::uint8_t kind)
{
    switch (static_cast<ValueKind>(kind)) {
    case ValueKind::ClockMHz: return 3;
    case ValueKind::TempC: return 5;
    case ValueKind::TempF: return 7;
    case ValueKind::FanRpm: return 10;
    case ValueKind::PowerW: return 12;
    case ValueKind::LoadPct: return 14;
    }
    return 0;
}

std::uint8_t ReadingCommand(std::uint8_t turn)
{
    return turn <= 3 ? static_cast<std::uint8_t>(0x02 + 0x10 * turn) : 0x00;
}

} // namespace

DisplayFrame BuildDisplayFrame(std::uint8_t type, std::int32_t value, std::uint8_t kind, std::uint8_t gpu,
                               std::uint8_t turn)
{
    DisplayFrame frame;
    auto& b = frame.bytes;
    b[0] = kFrameStart;
    switch (static_cast<FrameType>(type)) {
    case FrameType::Blank:
        b[kCommandOffset] = 0x00;
        b[kStateOffset] = kStateBlank;
        break;
    case FrameType::Probe:
        b[kCommandOffset] = 0x01;
        b[kStateOffset] = kStateActive;
        break;
    case FrameType::Reading:
        b[kCommandOffset] = ReadingCommand(turn);
        b[kStateOffset] = kStateActive;
        if (const std::size_t slot = SlotOffset(kind); slot != 0) {
            b[kValueCodeOffset] = static_cast<std::uint8_t>(kind + (gpu != 0 ? kGpuMarker : 0));
            const auto low16 = static_cast<std::uint16_t>(static_cast<std::uint32_t>(value));
            b[slot] = static_cast<std::uint8_t>(low16 >> 8);
            b[slot + 1] = static_cast<std::uint8_t>(low16 & 0xFF);
        }
        break;
    case FrameType::Animation:
        b[kCommandOffset] = 0x03;
        b[kStateOffset] = kStateActive;
        break;
    }
    b[kTrailerOffset] = kFrameTrailer;
    b[kChecksumOffset] = FrameChecksum(frame);
    return frame;
}

std::uint8_t FrameChecksum(const DisplayFrame& frame)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < kChecksumOffset; ++i)
        sum += frame.bytes[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

std::wstring FormatFrameTrace(const DisplayFrame& frame)
{
    std::wstring line;
    line.reserve(DisplayFrame::kSize * 3 + 2);
    for (std::uint8_t byte : frame.bytes) {
        wchar_t hex[4];
        std::swprintf(hex, 4, L"%02x ", byte);
        line += hex;
    }
    line += L"\r\n";
    return line;
}
