#include <gtest/gtest.h>

#include <cstdio>

#include "device/hid_display.h"
#include "device/hid_report.h"
#include "fake_hid_layer.h"
#include "hex.h"

namespace {

using Log = std::vector<std::string>;

DisplayReadings WorkedReadings()
{
    DisplayReadings r;
    r.cpuTemp = 45;
    r.cpuLoad = 12;
    r.cpuClock = 4700;
    r.mainboardFan = 1200;
    r.cpuPower = 65;
    r.gpuTemp = 50;
    r.gpuLoad = 3;
    r.gpuClock = 1500;
    r.gpuFan = 0;
    r.gpuPower = 20;
    return r;
}

std::string ZeroTail(std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += " 00";
    return text;
}

TEST(HidReadingsReport, WorkedReportAndFieldWidths)
{
    EXPECT_EQ(Hex(BuildHidReadingsReport(WorkedReadings()).bytes),
              "00 40 2d 0c 12 5c 04 b0 00 41 32 03 05 dc 00 00 00 14" + ZeroTail(47));

    // Unreadable -1 fills 8-bit and 16-bit fields with ones; large values keep their low bits.
    DisplayReadings odd;
    odd.cpuTemp = -1;
    odd.cpuLoad = 300;
    odd.cpuClock = -1;
    odd.mainboardFan = 70000;
    odd.gpuTemp = 256 + 61;
    EXPECT_EQ(Hex(BuildHidReadingsReport(odd).bytes),
              "00 40 ff 2c ff ff 11 70 00 00 3d 00 00 00 00 00 00 00" + ZeroTail(47));
}

TEST(HidDisplay, OpensLazilyThenSendsOneReportPerCycle)
{
    auto layer = std::make_unique<FakeHidLayer>();
    FakeHidLayer& hid = *layer;
    CHidDisplay display(std::move(layer));

    // No device: every cycle tries to open and sends nothing.
    display.SendHidReport(WorkedReadings());
    display.SendHidReport(WorkedReadings());
    EXPECT_EQ(hid.log, (Log{"open 5131:2007 -> null", "open 5131:2007 -> null"}));

    // Plugged in: the first cycle only opens, the next one sends.
    hid.present = true;
    hid.log.clear();
    display.SendHidReport(WorkedReadings());
    display.SendHidReport(WorkedReadings());
    EXPECT_EQ(hid.log, (Log{"open 5131:2007 -> device", "write 65"}));
    ASSERT_EQ(hid.reports.size(), 1u);
    EXPECT_EQ(Hex(hid.reports[0]), Hex(BuildHidReadingsReport(WorkedReadings()).bytes));
}

TEST(HidDisplay, RemovalReleasesOnlyAnOpenDeviceAndClosesBeforeExit)
{
    auto layer = std::make_unique<FakeHidLayer>();
    FakeHidLayer& hid = *layer;
    CHidDisplay display(std::move(layer));

    display.ReleaseIfOpen(); // nothing open: nothing to do
    EXPECT_TRUE(hid.log.empty());

    hid.present = true;
    display.SendHidReport(WorkedReadings());
    hid.log.clear();
    display.ReleaseIfOpen();
    display.ReleaseIfOpen(); // a second removal notice finds nothing open
    EXPECT_EQ(hid.log, (Log{"close", "exit"}));
    EXPECT_FALSE(display.IsOpen());

    // Plugged in again: reopened on the next cycle, sent on the one after.
    hid.log.clear();
    display.SendHidReport(WorkedReadings());
    display.SendHidReport(WorkedReadings());
    EXPECT_EQ(hid.log, (Log{"open 5131:2007 -> device", "write 65"}));
}

TEST(HidDisplay, ReleaseAtShutdownExitsEvenWithNothingOpen)
{
    auto layer = std::make_unique<FakeHidLayer>();
    FakeHidLayer& hid = *layer;
    CHidDisplay display(std::move(layer));
    display.Release();
    EXPECT_EQ(hid.log, (Log{"exit"}));
}

} // namespace
