#include "frame_report.h"

#include <gtest/gtest.h>

#include "test_bytes.h"

namespace display_emulator {
namespace {

constexpr const char* kTime = "2024-05-01T12:41:36.789Z";

struct ReportCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    bool answered;
    std::string json;
    std::string summary;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

class FrameReportTest : public testing::TestWithParam<ReportCase> {};

TEST_P(FrameReportTest, WritesJsonAndSummaryLines)
{
    const ReportCase& c = GetParam();
    const DecodedFrame frame = DecodeFrame(c.bytes);
    EXPECT_EQ(FrameJson(frame, kTime, c.answered), c.json);
    EXPECT_EQ(FrameSummary(frame, c.answered), c.summary);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FrameReportTest,
    testing::Values(
        ReportCase{"cpu_celsius", Bytes("c5 02 01 00 00 00 2d 00 00 02 00 00 00 00 00 00 01 f8"), false,
                   R"({"time":"2024-05-01T12:41:36.789Z","hex":"c5 02 01 00 00 00 2d 00 00 02 00 00 00 00 00 00 01 f8",)"
                   R"("well_formed":true,"type":"reading","turn":0,"device":"cpu","kind":"TempC","value":45})",
                   "CPU 45 \u00b0C"},
        ReportCase{"gpu_fan_turned", Bytes("c5 12 14 00 00 00 00 00 00 02 04 b0 00 00 00 00 01 a2"), false,
                   R"({"time":"2024-05-01T12:41:36.789Z","hex":"c5 12 14 00 00 00 00 00 00 02 04 b0 00 00 00 00 01 a2",)"
                   R"("well_formed":true,"type":"reading","turn":1,"device":"gpu","kind":"FanRpm","value":1200})",
                   "GPU fan 1200 RPM, turn 1"},
        ReportCase{"negative_with_lost_turn", Sealed("c5 00 11 00 00 ff ff 00 00 02 00 00 00 00 00 00 01"), false,
                   R"({"time":"2024-05-01T12:41:36.789Z","hex":"c5 00 11 00 00 ff ff 00 00 02 00 00 00 00 00 00 01 d7",)"
                   R"("well_formed":true,"type":"reading","turn":null,"device":"gpu","kind":"TempC","value":-1})",
                   "GPU -1 \u00b0C, turn unknown"},
        ReportCase{"probe_answered", Bytes("c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9"), true,
                   R"({"time":"2024-05-01T12:41:36.789Z","hex":"c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9",)"
                   R"("well_formed":true,"type":"probe","answered":true})",
                   "probe answered"},
        ReportCase{"probe_not_answered", Bytes("c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9"), false,
                   R"({"time":"2024-05-01T12:41:36.789Z","hex":"c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9",)"
                   R"("well_formed":true,"type":"probe","answered":false})",
                   "probe not answered"},
        ReportCase{"bad_checksum", Bytes("c5 02 00 0e 0f 00 00 00 00 02 00 00 00 00 00 00 01 e8"), false,
                   R"({"time":"2024-05-01T12:41:36.789Z","hex":"c5 02 00 0e 0f 00 00 00 00 02 00 00 00 00 00 00 01 e8",)"
                   R"("well_formed":false,"error":"bad checksum","type":"reading","turn":0,"device":"cpu",)"
                   R"("kind":"ClockMHz","value":3599})",
                   "bad frame: bad checksum"},
        ReportCase{"garbage", Bytes("5c 0a"), false,
                   R"({"time":"2024-05-01T12:41:36.789Z","hex":"5c 0a","well_formed":false,"error":"bad start byte",)"
                   R"("type":"garbage"})",
                   "bad frame: bad start byte"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrameSummaryTest, NamesEveryKindWithItsUnit)
{
    const std::pair<const char*, const char*> cases[] = {
        {"c5 02 00 0e 0f 00 00 00 00 02 00 00 00 00 00 00 01", "CPU 3599 MHz"},
        {"c5 02 12 00 00 00 00 00 71 02 00 00 00 00 00 00 01", "GPU 113 \u00b0F"},
        {"c5 02 15 00 00 00 00 00 00 02 00 00 00 14 00 00 01", "GPU power 20 W"},
        {"c5 02 06 00 00 00 00 00 00 02 00 00 00 00 00 0c 01", "CPU load 12 %"},
        {"c5 00 00 00 00 00 00 00 00 01 00 00 00 00 00 00 01", "blank"},
        {"c5 03 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01", "animation"},
    };
    for (const auto& [hex, summary] : cases)
        EXPECT_EQ(FrameSummary(DecodeFrame(Sealed(hex)), false), summary) << hex;
}

TEST(ReportTextTest, FormatsTimeAndPortName)
{
    using namespace std::chrono;
    EXPECT_EQ(IsoUtcTime(system_clock::time_point(milliseconds(1714567296789))), kTime);
    EXPECT_EQ(IsoUtcTime(system_clock::time_point(milliseconds(7))), "1970-01-01T00:00:00.007Z");
    EXPECT_EQ(ReadyJson("/dev/pts/3"), R"({"event":"ready","port":"/dev/pts/3"})");
    EXPECT_EQ(ReadyJson("/tmp/a \"b\"\\"), R"({"event":"ready","port":"/tmp/a \"b\"\\"})");
}

}  // namespace
}  // namespace display_emulator
