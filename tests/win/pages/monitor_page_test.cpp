// The monitor page in-process: device notifications reach the display link through the real
// message path, and the page stops its worker cleanly while a device write is in progress.
#include <gtest/gtest.h>
#include <windows.h>
#include <dbt.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "fake_hid_layer.h"
#include "fake_serial_port_layer.h"
#include "hardware/sensor_hub.h"
#include "pages/monitor_page.h"
#include "ui/gdiplus_session.h"
#include "ui/window_class.h"

namespace {

using namespace std::chrono;

// Runs the thread's messages for a while, as the main window's loop would.
void PumpMessages(milliseconds duration)
{
    const auto end = steady_clock::now() + duration;
    while (steady_clock::now() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}

// A device-interface broadcast record with this name.
std::vector<std::uint8_t> InterfaceRecord(const std::wstring& name, DWORD deviceType = DBT_DEVTYP_DEVICEINTERFACE)
{
    std::vector<std::uint8_t> record(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + (name.size() + 1) * 2, 0);
    auto* header = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(record.data());
    header->dbcc_size = static_cast<DWORD>(record.size());
    header->dbcc_devicetype = deviceType;
    std::memcpy(header->dbcc_name, name.c_str(), name.size() * 2);
    return record;
}

class MonitorPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_bMonitorRun = 1;
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, L"test parent", WS_POPUP, RECT{0, 0, 800, 500}, nullptr, 0));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        g_bMonitorRun = 1;
    }

    std::unique_ptr<CHDMonDlg> MakePage(std::vector<FakePortSpec> ports)
    {
        serial = std::make_unique<FakeSerialPortLayer>(std::move(ports));
        auto hidLayer = std::make_unique<FakeHidLayer>();
        hid = hidLayer.get();
        return std::make_unique<CHDMonDlg>(&m_parent, std::make_unique<BorrowedSerialPortLayer>(*serial), std::move(hidLayer));
    }

    CGdiplusSession m_gdiplus;
    CWnd m_parent;
    std::unique_ptr<FakeSerialPortLayer> serial;
    FakeHidLayer* hid = nullptr;
};

TEST_F(MonitorPage, DeviceNotificationsRediscoverOrReleaseOnlyForTheDisplays)
{
    CSensorHub hub;
    auto page = MakePage({{L"USB Serial Device (COM5)"}});
    page->BindHub(&hub, L"C:\\nowhere\\");
    ASSERT_TRUE(page->Link().SerialReady());

    struct Case {
        const char* name;
        UINT event;
        std::vector<std::uint8_t> record;
        int probes; // discoveries it should start
    };
    const Case cases[] = {
        {"serial display arrives", DBT_DEVICEARRIVAL, InterfaceRecord(L"\\\\?\\USB#VID_2E3C&PID_5740#0001#{a5dcbf10}"), 1},
        {"lower case", DBT_DEVICEARRIVAL, InterfaceRecord(L"\\\\?\\USB#vid_2e3c&pid_5740#0001"), 0},
        {"identity at position 0", DBT_DEVICEARRIVAL, InterfaceRecord(L"VID_2E3C&PID_5740#0001"), 0},
        {"a port broadcast", DBT_DEVICEARRIVAL, InterfaceRecord(L"\\\\?\\USB#VID_2E3C&PID_5740#1", DBT_DEVTYP_PORT), 0},
        {"an unrelated device", DBT_DEVICEARRIVAL, InterfaceRecord(L"\\\\?\\USB#VID_046D&PID_C52B#1"), 0},
    };
    for (const Case& c : cases) {
        const std::size_t before = serial->written[L"COM5"].size();
        EXPECT_EQ(page->SendMessage(WM_DEVICECHANGE, c.event, reinterpret_cast<LPARAM>(c.record.data())), TRUE);
        EXPECT_EQ(serial->written[L"COM5"].size() - before, static_cast<std::size_t>(c.probes)) << c.name;
    }

    // The HID display: opened by the worker's path, released once on its removal.
    hid->present = true;
    page->Link().SendHidReport({});
    const auto removal = InterfaceRecord(L"\\\\?\\HID#VID_5131&PID_2007#7&1");
    hid->log.clear();
    page->SendMessage(WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(removal.data()));
    page->SendMessage(WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(removal.data()));
    EXPECT_EQ(hid->log, (std::vector<std::string>{"close", "exit"}));
}

// A HID device whose writes block until the test lets them go.
class BlockingHidLayer final : public IHidLayer {
public:
    std::mutex lock;
    std::condition_variable changed;
    bool inWrite = false;
    bool release = false;
    std::atomic<int> finishedWrites{0};

    HidHandle Open(std::uint16_t, std::uint16_t) override { return this; }
    int Write(HidHandle, const std::uint8_t*, std::size_t size) override
    {
        std::unique_lock guard(lock);
        inWrite = true;
        changed.notify_all();
        changed.wait(guard, [&] { return release; });
        ++finishedWrites;
        return static_cast<int>(size);
    }
    void Close(HidHandle) override {}
    void Exit() override {}
};

TEST_F(MonitorPage, ClosingDuringADeviceWriteWaitsForItAndNeedsNoForce)
{
    CSensorHub hub; // no library: every reading 0
    auto hidLayer = std::make_unique<BlockingHidLayer>();
    BlockingHidLayer& device = *hidLayer;
    auto page = std::make_unique<CHDMonDlg>(&m_parent, std::make_unique<FakeSerialPortLayer>(std::vector<FakePortSpec>{}),
                                            std::move(hidLayer));
    page->BindHub(&hub, L"C:\\nowhere\\");

    // The worker starts two seconds after the page; its second cycle writes the first report.
    const auto deadline = steady_clock::now() + seconds(10);
    while (steady_clock::now() < deadline) {
        PumpMessages(milliseconds(50));
        std::lock_guard guard(device.lock);
        if (device.inWrite)
            break;
    }
    ASSERT_TRUE(device.inWrite) << "the worker never reached a device write";

    std::thread letGo([&] {
        std::this_thread::sleep_for(milliseconds(300));
        std::lock_guard guard(device.lock);
        device.release = true;
        device.changed.notify_all();
    });
    const auto closeAt = steady_clock::now();
    page.reset();
    const auto took = steady_clock::now() - closeAt;
    letGo.join();
    EXPECT_EQ(device.finishedWrites, 1) << "the write was cut short: the worker was stopped by force";
    EXPECT_LT(took, milliseconds(2000));
    EXPECT_GE(took, milliseconds(250)) << "the page went away while its worker was still writing";
}

} // namespace
