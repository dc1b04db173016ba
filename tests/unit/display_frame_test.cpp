#include <gtest/gtest.h>

#include "device/display_frame.h"
#include "hex.h"

namespace {

struct FrameCase {
    const char* name;
    FrameType type;
    std::int32_t value;
    std::uint8_t kind;
    std::uint8_t gpu;
    std::uint8_t turn;
    const char* bytes;
};

constexpr std::uint8_t kTempC = static_cast<std::uint8_t>(ValueKind::TempC);

const FrameCase kFrames[] = {
    {"probe", FrameType::Probe, 0, 0, 0, 0, "c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9"},
    {"blank", FrameType::Blank, 0, 0, 0, 0, "c5 00 00 00 00 00 00 00 00 01 00 00 00 00 00 00 01 c7"},
    {"animation", FrameType::Animation, 0, 0, 0, 0, "c5 03 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 cb"},
    {"cpu 45 C", FrameType::Reading, 45, 1, 0, 0, "c5 02 01 00 00 00 2d 00 00 02 00 00 00 00 00 00 01 f8"},
    {"cpu 113 F", FrameType::Reading, 113, 2, 0, 0, "c5 02 02 00 00 00 00 00 71 02 00 00 00 00 00 00 01 3d"},
    {"cpu 3599 MHz", FrameType::Reading, 3599, 0, 0, 0, "c5 02 00 0e 0f 00 00 00 00 02 00 00 00 00 00 00 01 e7"},
    {"gpu fan 1200 turn 1", FrameType::Reading, 1200, 4, 1, 1, "c5 12 14 00 00 00 00 00 00 02 04 b0 00 00 00 00 01 a2"},
    // Sums to 0x149: the checksum wraps.
    {"gpu load 57 turn 3", FrameType::Reading, 57, 6, 1, 3, "c5 32 16 00 00 00 00 00 00 02 00 00 00 00 00 39 01 49"},
    {"gpu power 20 W", FrameType::Reading, 20, 5, 7, 2, "c5 22 15 00 00 00 00 00 00 02 00 00 00 14 00 00 01 13"},
    {"unreadable -1", FrameType::Reading, -1, kTempC, 0, 0, "c5 02 01 00 00 ff ff 00 00 02 00 00 00 00 00 00 01 c9"},
    {"70000 keeps low 16 bits", FrameType::Reading, 70000, 0, 0, 0, "c5 02 00 11 70 00 00 00 00 02 00 00 00 00 00 00 01 4b"},
    {"turn 4: command 0, state 2", FrameType::Reading, 45, kTempC, 0, 4, "c5 00 01 00 00 00 2d 00 00 02 00 00 00 00 00 00 01 f6"},
    // No kind 3 (offset 9 is the frame state) and no kind 7: no slot, no value code.
    {"kind 3", FrameType::Reading, 45, 3, 1, 0, "c5 02 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 ca"},
    {"kind 7", FrameType::Reading, 45, 7, 0, 0, "c5 02 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 ca"},
    // Other frame types carry no value even when given one.
    {"probe ignores value", FrameType::Probe, 99, kTempC, 1, 2, "c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9"},
    {"type 9", static_cast<FrameType>(9), 45, kTempC, 0, 0, "c5 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 c6"},
};

TEST(DisplayFrame, BuildsEveryFrameByteForByte)
{
    for (const FrameCase& c : kFrames) {
        const DisplayFrame frame =
            BuildDisplayFrame(static_cast<std::uint8_t>(c.type), c.value, c.kind, c.gpu, c.turn);
        EXPECT_EQ(Hex(frame.bytes), c.bytes) << c.name;
        EXPECT_EQ(FrameChecksum(frame), frame.bytes[17]) << c.name;
    }
}

TEST(DisplayFrame, TraceLineIsLowerCaseHexWithASpaceAfterEveryByte)
{
    const DisplayFrame probe = BuildDisplayFrame(static_cast<std::uint8_t>(FrameType::Probe), 0, 0, 0, 0);
    EXPECT_EQ(FormatFrameTrace(probe), L"c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9 \r\n");
}

} // namespace
