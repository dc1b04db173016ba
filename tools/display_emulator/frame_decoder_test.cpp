#include "frame_decoder.h"

#include <gtest/gtest.h>

#include "frame_splitter.h"
#include "test_bytes.h"

namespace display_emulator {
namespace {

struct DecodeCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    FrameType type;
    std::string error;
    std::optional<int> turn;
    std::optional<Reading> reading;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class DecodeFrameTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeFrameTest, DecodesTypeReadingAndFault)
{
    const DecodeCase& c = GetParam();
    const DecodedFrame frame = DecodeFrame(c.bytes);
    EXPECT_EQ(frame.bytes, c.bytes);
    EXPECT_EQ(frame.type, c.type);
    EXPECT_EQ(frame.error, c.error);
    EXPECT_EQ(frame.WellFormed(), c.error.empty());
    EXPECT_EQ(frame.turn, c.turn);
    EXPECT_EQ(frame.reading, c.reading);
}

// The frames the program sends, as the display must understand them.
INSTANTIATE_TEST_SUITE_P(
    WorkedFrames, DecodeFrameTest,
    testing::Values(
        DecodeCase{"probe", Bytes("c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9"), FrameType::Probe, "", {}, {}},
        DecodeCase{"blank", Bytes("c5 00 00 00 00 00 00 00 00 01 00 00 00 00 00 00 01 c7"), FrameType::Blank, "", {}, {}},
        DecodeCase{"animation", Bytes("c5 03 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 cb"), FrameType::Animation,
                   "", {}, {}},
        DecodeCase{"cpu_45_c", Bytes("c5 02 01 00 00 00 2d 00 00 02 00 00 00 00 00 00 01 f8"), FrameType::Reading, "",
                   0, Reading{Device::Cpu, ValueKind::TempC, 45}},
        DecodeCase{"cpu_113_f", Bytes("c5 02 02 00 00 00 00 00 71 02 00 00 00 00 00 00 01 3d"), FrameType::Reading, "",
                   0, Reading{Device::Cpu, ValueKind::TempF, 113}},
        DecodeCase{"cpu_clock_3599", Bytes("c5 02 00 0e 0f 00 00 00 00 02 00 00 00 00 00 00 01 e7"),
                   FrameType::Reading, "", 0, Reading{Device::Cpu, ValueKind::ClockMHz, 3599}},
        DecodeCase{"gpu_fan_1200_turn_1", Bytes("c5 12 14 00 00 00 00 00 00 02 04 b0 00 00 00 00 01 a2"),
                   FrameType::Reading, "", 1, Reading{Device::Gpu, ValueKind::FanRpm, 1200}},
        DecodeCase{"gpu_load_57_turn_3", Bytes("c5 32 16 00 00 00 00 00 00 02 00 00 00 00 00 39 01 49"),
                   FrameType::Reading, "", 3, Reading{Device::Gpu, ValueKind::LoadPct, 57}}),
    [](const auto& info) { return std::string(info.param.name); });

// Readings at the edges of what the program can send.
INSTANTIATE_TEST_SUITE_P(
    EdgeReadings, DecodeFrameTest,
    testing::Values(
        // An unreadable temperature is sent as -1.
        DecodeCase{"minus_one_is_signed", Sealed("c5 22 11 00 00 ff ff 00 00 02 00 00 00 00 00 00 01"),
                   FrameType::Reading, "", 2, Reading{Device::Gpu, ValueKind::TempC, -1}},
        DecodeCase{"power_slot", Sealed("c5 02 15 00 00 00 00 00 00 02 00 00 00 14 00 00 01"), FrameType::Reading, "",
                   0, Reading{Device::Gpu, ValueKind::PowerW, 20}},
        // A start byte inside a slot is a value like any other.
        DecodeCase{"start_byte_as_value", Sealed("c5 02 01 00 00 00 c5 00 00 02 00 00 00 00 00 00 01"),
                   FrameType::Reading, "", 0, Reading{Device::Cpu, ValueKind::TempC, 197}},
        // Turn 4 or above sends command 0x00 with state 2: a reading whose turn is lost.
        DecodeCase{"turn_lost", Sealed("c5 00 14 00 00 00 00 00 00 02 04 b0 00 00 00 00 01"), FrameType::Reading, "",
                   {}, Reading{Device::Gpu, ValueKind::FanRpm, 1200}},
        // The CPU clock has value code 0, so only the state tells it from a blank.
        DecodeCase{"turn_lost_cpu_clock", Sealed("c5 00 00 0e 0f 00 00 00 00 02 00 00 00 00 00 00 01"),
                   FrameType::Reading, "", {}, Reading{Device::Cpu, ValueKind::ClockMHz, 3599}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Malformed, DecodeFrameTest,
    testing::Values(
        DecodeCase{"bad_checksum", Bytes("c5 02 01 00 00 00 2d 00 00 02 00 00 00 00 00 00 01 f9"), FrameType::Reading,
                   "bad checksum", 0, Reading{Device::Cpu, ValueKind::TempC, 45}},
        DecodeCase{"bad_trailer", Sealed("c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 02"), FrameType::Probe,
                   "bad trailer", {}, {}},
        DecodeCase{"bad_start_byte", Bytes("c4 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c8"),
                   FrameType::Garbage, "bad start byte", {}, {}},
        DecodeCase{"short_frame", Bytes("c5 01 00 00 00 00 00 00 00 02 00"), FrameType::Unknown, "short frame", {}, {}},
        DecodeCase{"long_frame", Bytes("c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9 00"),
                   FrameType::Unknown, "long frame", {}, {}},
        DecodeCase{"probe_with_blank_state", Sealed("c5 01 00 00 00 00 00 00 00 01 00 00 00 00 00 00 01"),
                   FrameType::Probe, "bad frame state", {}, {}},
        DecodeCase{"reading_with_blank_state", Sealed("c5 02 01 00 00 00 2d 00 00 01 00 00 00 00 00 00 01"),
                   FrameType::Reading, "bad frame state", 0, Reading{Device::Cpu, ValueKind::TempC, 45}},
        DecodeCase{"animation_with_value", Sealed("c5 03 00 00 00 00 00 00 00 02 00 00 00 00 00 07 01"),
                   FrameType::Animation, "stray data", {}, {}},
        DecodeCase{"blank_with_value_code", Sealed("c5 00 01 00 00 00 00 00 00 01 00 00 00 00 00 00 01"),
                   FrameType::Blank, "stray data", {}, {}},
        DecodeCase{"value_in_second_slot", Sealed("c5 02 01 00 00 00 2d 00 00 02 00 00 00 01 00 00 01"),
                   FrameType::Reading, "stray data", 0, Reading{Device::Cpu, ValueKind::TempC, 45}},
        DecodeCase{"kind_3", Sealed("c5 02 03 00 00 00 00 00 00 02 00 00 00 00 00 00 01"), FrameType::Reading,
                   "bad value code", 0, {}},
        DecodeCase{"kind_7", Sealed("c5 02 17 00 00 00 00 00 00 02 00 00 00 00 00 00 01"), FrameType::Reading,
                   "bad value code", 0, {}},
        DecodeCase{"marker_other_than_gpu", Sealed("c5 02 21 00 00 00 2d 00 00 02 00 00 00 00 00 00 01"),
                   FrameType::Reading, "bad value code", 0, {}},
        DecodeCase{"turn_4_command", Sealed("c5 42 01 00 00 00 2d 00 00 02 00 00 00 00 00 00 01"), FrameType::Unknown,
                   "unknown command", {}, {}},
        DecodeCase{"command_4", Sealed("c5 04 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01"), FrameType::Unknown,
                   "unknown command", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<DecodedFrame> SplitAll(FrameSplitter& splitter, const std::vector<std::uint8_t>& stream)
{
    std::vector<DecodedFrame> records = splitter.Feed(stream);
    if (auto rest = splitter.Flush())
        records.push_back(*rest);
    return records;
}

std::vector<std::vector<std::uint8_t>> BytesOf(const std::vector<DecodedFrame>& records)
{
    std::vector<std::vector<std::uint8_t>> out;
    for (const auto& record : records)
        out.push_back(record.bytes);
    return out;
}

const std::vector<std::uint8_t> kProbe = Bytes("c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9");
const std::vector<std::uint8_t> kCpu45 = Bytes("c5 02 01 00 00 00 2d 00 00 02 00 00 00 00 00 00 01 f8");
const std::vector<std::uint8_t> kCpu197 = Sealed("c5 02 01 00 00 00 c5 00 00 02 00 00 00 00 00 00 01");

std::vector<std::uint8_t> Join(std::initializer_list<std::vector<std::uint8_t>> parts)
{
    std::vector<std::uint8_t> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

TEST(FrameSplitterTest, CutsBackToBackFramesEvenWhenAValueIsTheStartByte)
{
    FrameSplitter splitter;
    const auto records = SplitAll(splitter, Join({kProbe, kCpu197, kCpu45}));
    EXPECT_EQ(BytesOf(records), (std::vector{kProbe, kCpu197, kCpu45}));
    for (const auto& record : records)
        EXPECT_TRUE(record.WellFormed()) << record.error;
    EXPECT_FALSE(splitter.HasPending());
}

TEST(FrameSplitterTest, ReportsBytesBeforeAStartByteAsOneGarbageRecord)
{
    FrameSplitter splitter;
    const auto records = SplitAll(splitter, Join({Bytes("00 5c 0d 0a"), kProbe, Bytes("ff"), kCpu45}));
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].bytes, Bytes("00 5c 0d 0a"));
    EXPECT_EQ(records[0].type, FrameType::Garbage);
    EXPECT_EQ(records[0].error, "bad start byte");
    EXPECT_EQ(records[1].bytes, kProbe);
    EXPECT_EQ(records[2].bytes, Bytes("ff"));
    EXPECT_EQ(records[2].type, FrameType::Garbage);
    EXPECT_EQ(records[3].bytes, kCpu45);
    EXPECT_TRUE(records[3].WellFormed());
}

TEST(FrameSplitterTest, ReportsTheRestOfTheStreamWhenFlushed)
{
    FrameSplitter splitter;
    const auto shortFrame = Bytes("c5 02 01 00 00");
    const auto records = SplitAll(splitter, Join({kProbe, shortFrame}));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].bytes, shortFrame);
    EXPECT_EQ(records[1].error, "short frame");

    EXPECT_TRUE(splitter.Feed(Bytes("12 34")).empty());
    const auto garbage = splitter.Flush();
    ASSERT_TRUE(garbage);
    EXPECT_EQ(garbage->type, FrameType::Garbage);
    EXPECT_FALSE(splitter.Flush());
}

TEST(FrameSplitterTest, EndsEachRecordOnTheByteThatCompletesIt)
{
    FrameSplitter splitter;
    const auto stream = Join({Bytes("00"), kCpu45});
    std::vector<std::size_t> completedAt;
    std::vector<DecodedFrame> records;
    for (std::size_t i = 0; i < stream.size(); ++i) {
        for (auto& record : splitter.Feed(std::span(&stream[i], 1))) {
            completedAt.push_back(i);
            records.push_back(record);
        }
    }
    // The garbage ends when the start byte arrives; the frame with its 18th byte.
    EXPECT_EQ(completedAt, (std::vector<std::size_t>{1, 18}));
    EXPECT_EQ(BytesOf(records), (std::vector{Bytes("00"), kCpu45}));
    EXPECT_FALSE(splitter.HasPending());
}

}  // namespace
}  // namespace display_emulator
