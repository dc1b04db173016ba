#include "device/hid_report.h"

namespace {

constexpr std::uint8_t kReportId = 0x00;
constexpr std::uint8_t kMarker = 0x40;

void Put8(HidReadingsReport& report, std::size_t offset, std::int32_t value)
{
    report.bytes[offset] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFF);
}

void Put16(HidReadingsReport& report, std::size_t offset, std::int32_t value)
{
    const auto low16 = static_cast<std::uint16_t>(static_cast<std::uint32_t>(value));
    report.bytes[offset] = static_cast<std::uint8_t>(low16 >> 8);
    report.bytes[offset + 1] = static_cast<std::uint8_t>(low16 & 0xFF);
}

} // namespace

HidReadingsReport BuildHidReadingsReport(const DisplayReadings& r)
{
    HidReadingsReport report;
    report.bytes[0] = kReportId;
    report.bytes[1] = kMarker;
    Put8(report, 2, r.cpuTemp);
    Put8(report, 3, r.cpuLoad);
    Put16(report, 4, r.cpuClock);
    Put16(report, 6, r.mainboardFan);
    Put16(report, 8, r.cpuPower);
    Put8(report, 10, r.gpuTemp);
    Put8(report, 11, r.gpuLoad);
    Put16(report, 12, r.gpuClock);
    Put16(report, 14, r.gpuFan);
    Put16(report, 16, r.gpuPower);
    return report;
}
