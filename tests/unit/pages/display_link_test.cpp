#include <gtest/gtest.h>

#include "fake_hid_layer.h"
#include "fake_serial_port_layer.h"
#include "pages/display_link.h"

namespace {

using Log = std::vector<std::string>;

struct Link {
    Link(std::vector<FakePortSpec> ports)
        : serial(std::move(ports)),
          link(std::make_unique<BorrowedSerialPortLayer>(serial), std::unique_ptr<IHidLayer>(hid = new FakeHidLayer))
    {
    }
    FakeSerialPortLayer serial;
    FakeHidLayer* hid = nullptr;
    CDisplayLink link;
};

TEST(DisplayLink, TheSerialDisplayWhenOneAnswersElseTheHidReport)
{
    Link l({{L"USB Serial Device (COM5)", true, {}}}); // silent at first
    l.hid->present = true;
    l.link.OpenDisplayPorts();
    EXPECT_FALSE(l.link.SerialReady());

    // The display is plugged in (answering now): the watch runs a discovery and the serial path wins.
    l.serial.Ports()[0].answer = {0x5C};
    l.link.OnDeviceWatch(DeviceWatchAction::RediscoverSerialDisplay);
    EXPECT_TRUE(l.link.SerialReady());

    // It stops answering; the next discovery falls back to HID.
    l.serial.Ports()[0].answer = {};
    l.link.OpenDisplayPorts();
    EXPECT_FALSE(l.link.SerialReady());
}

TEST(DisplayLink, HidRemovalReleasesOnceAndShutdownAlways)
{
    Link l({});
    l.hid->present = true;
    l.link.SendHidReport({}); // opens
    l.link.OnDeviceWatch(DeviceWatchAction::ReleaseHidDisplay);
    l.link.OnDeviceWatch(DeviceWatchAction::ReleaseHidDisplay);
    l.link.OnDeviceWatch(DeviceWatchAction::None);
    EXPECT_EQ(l.hid->log, (Log{"open 5131:2007 -> device", "close", "exit"}));
    l.link.ReleaseHid();
    EXPECT_EQ(l.hid->log.back(), "exit");
}

} // namespace
