#include "frame_decoder.h"

#include <array>
#include <numeric>

namespace display_emulator {
namespace {

constexpr std::size_t kCommandAt = 1;
constexpr std::size_t kValueCodeAt = 2;
constexpr std::size_t kStateAt = 9;
constexpr std::size_t kTrailerAt = 16;
constexpr std::size_t kChecksumAt = 17;

constexpr std::uint8_t kTrailer = 0x01;
constexpr std::uint8_t kStateBlank = 1;
constexpr std::uint8_t kStateActive = 2;
constexpr std::uint8_t kGpuMarker = 0x10;

constexpr std::uint8_t kCommandBlank = 0x00;
constexpr std::uint8_t kCommandProbe = 0x01;
constexpr std::uint8_t kCommandAnimation = 0x03;
constexpr std::uint8_t kCommandReading = 0x02;  // plus 0x10 for each quarter turn, 0 to 3
constexpr int kMaxTurn = 3;

// The first byte of each 16-bit slot.
constexpr std::array<std::size_t, 6> kSlotOffsets = {3, 5, 7, 10, 12, 14};

std::optional<std::size_t> SlotOf(std::uint8_t kindCode)
{
    switch (kindCode) {
    case 0: return 3;
    case 1: return 5;
    case 2: return 7;
    case 4: return 10;
    case 5: return 12;
    case 6: return 14;
    default: return std::nullopt;
    }
}

bool SlotsClear(std::span<const std::uint8_t> bytes, std::optional<std::size_t> except)
{
    for (std::size_t offset : kSlotOffsets) {
        if (offset != except && (bytes[offset] != 0 || bytes[offset + 1] != 0))
            return false;
    }
    return true;
}

// Probe, blank and animation frames carry nothing but their command and state.
void CheckControlFrame(DecodedFrame& frame, std::uint8_t expectedState)
{
    const auto& b = frame.bytes;
    if (b[kStateAt] != expectedState)
        frame.error = "bad frame state";
    else if (b[kValueCodeAt] != 0 || !SlotsClear(b, std::nullopt))
        frame.error = "stray data";
}

void DecodeReading(DecodedFrame& frame)
{
    const auto& b = frame.bytes;
    if (b[kStateAt] != kStateActive)
        frame.error = "bad frame state";

    const std::uint8_t code = b[kValueCodeAt];
    const auto kindCode = static_cast<std::uint8_t>(code & ~kGpuMarker);
    const auto slot = SlotOf(kindCode);
    if (!slot) {
        if (frame.error.empty())
            frame.error = "bad value code";
        return;
    }
    const auto raw = static_cast<std::uint16_t>((b[*slot] << 8) | b[*slot + 1]);
    frame.reading = Reading{(code & kGpuMarker) ? Device::Gpu : Device::Cpu, static_cast<ValueKind>(kindCode),
                            static_cast<std::int16_t>(raw)};
    if (frame.error.empty() && !SlotsClear(b, slot))
        frame.error = "stray data";
}

void DecodeContent(DecodedFrame& frame)
{
    const std::uint8_t command = frame.bytes[kCommandAt];
    const int turn = command >> 4;
    if (command == kCommandProbe) {
        frame.type = FrameType::Probe;
        CheckControlFrame(frame, kStateActive);
    } else if (command == kCommandAnimation) {
        frame.type = FrameType::Animation;
        CheckControlFrame(frame, kStateActive);
    } else if (command == kCommandBlank && frame.bytes[kStateAt] == kStateBlank) {
        frame.type = FrameType::Blank;
        CheckControlFrame(frame, kStateBlank);
    } else if (command == kCommandBlank) {
        // A reading sent with a turn outside 0 to 3 carries command 0x00; its turn is lost.
        frame.type = FrameType::Reading;
        DecodeReading(frame);
    } else if ((command & 0x0F) == kCommandReading && turn <= kMaxTurn) {
        frame.type = FrameType::Reading;
        frame.turn = turn;
        DecodeReading(frame);
    } else {
        frame.type = FrameType::Unknown;
        frame.error = "unknown command";
    }
}

}  // namespace

DecodedFrame DecodeFrame(std::span<const std::uint8_t> bytes)
{
    DecodedFrame frame;
    frame.bytes.assign(bytes.begin(), bytes.end());
    if (bytes.empty() || bytes[0] != kFrameStart) {
        frame.type = FrameType::Garbage;
        frame.error = "bad start byte";
        return frame;
    }
    if (bytes.size() != kFrameSize) {
        frame.type = FrameType::Unknown;
        frame.error = bytes.size() < kFrameSize ? "short frame" : "long frame";
        return frame;
    }

    DecodeContent(frame);

    // A broken trailer or checksum explains any content fault, so it is the one reported.
    const auto sum = std::accumulate(bytes.begin(), bytes.begin() + kChecksumAt, 0u);
    if (bytes[kTrailerAt] != kTrailer)
        frame.error = "bad trailer";
    else if (static_cast<std::uint8_t>(sum) != bytes[kChecksumAt])
        frame.error = "bad checksum";
    return frame;
}

}  // namespace display_emulator
