// Discovery on the UI thread against broadcasts on the worker: the two never meet on a port.
// Built and run under ThreadSanitizer by the native-tsan preset.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "device/hid_display.h"
#include "device/serial_port.h"
#include "fake_hid_layer.h"
#include "fake_serial_port_layer.h"

namespace {

TEST(SerialPortConcurrency, DiscoveriesNeverOverlapBroadcasts)
{
    FakeSerialPortLayer fake({{L"USB Serial Device (COM5)"}, {L"Modem (COM6)", true, {0x00}}, {L"USB (COM9)"}});
    {
        CSerialPort serial(std::make_unique<BorrowedSerialPortLayer>(fake));
        std::atomic<bool> done{false};
        std::thread worker([&] {
            while (!done)
                serial.SendFrame(static_cast<std::uint8_t>(FrameType::Reading), 45, 1, 0, 0, 1);
        });
        for (int discovery = 0; discovery < 300; ++discovery)
            EXPECT_EQ(serial.OpenDisplayPorts(), 1);
        done = true;
        worker.join();
    }
    EXPECT_EQ(fake.strayHandleUses, 0) << "a write went to a port that discovery had closed";
    EXPECT_EQ(fake.OpenCount(), 0u);
}

TEST(SerialPortConcurrency, HidReleaseNeverOverlapsAReport)
{
    auto layer = std::make_unique<FakeHidLayer>();
    layer->present = true;
    CHidDisplay display(std::move(layer));
    std::atomic<bool> done{false};
    std::thread worker([&] {
        while (!done)
            display.SendHidReport(DisplayReadings{});
    });
    for (int removal = 0; removal < 2000; ++removal)
        display.ReleaseIfOpen();
    done = true;
    worker.join();
}

} // namespace
