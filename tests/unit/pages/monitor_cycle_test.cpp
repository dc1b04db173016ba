#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "fake_sensor_library.h"
#include "hardware/sensor_hub.h"
#include "pages/monitor_worker.h"

namespace {

using namespace cpuidsdk;

struct Recorder final : IReadingLabel, IReadingBar, ITemperatureGauge {
    std::string name;
    std::vector<std::string>* log;
    void SetText(const std::wstring& text) override { log->push_back(name + " text " + std::string(text.begin(), text.end())); }
    void ShowValue(std::int32_t value) override { log->push_back(name + " bar " + std::to_string(value)); }
    void SetValue(std::int32_t selector, std::int32_t celsius, std::uint8_t unit) override
    {
        log->push_back(name + " gauge " + std::to_string(selector) + " " + std::to_string(celsius) + " unit " +
                       std::to_string(unit));
    }
};

struct RecordingDevices final : IDisplayDevices {
    std::vector<std::string>* log;
    std::string Describe(const char* what, const DisplayReadings& r)
    {
        return std::string(what) + " " + std::to_string(r.cpuClock) + " " + std::to_string(r.cpuTemp) + " " +
               std::to_string(r.mainboardFan) + " " + std::to_string(r.cpuPower) + " " + std::to_string(r.cpuLoad) +
               " | " + std::to_string(r.gpuClock) + " " + std::to_string(r.gpuTemp) + " " + std::to_string(r.gpuFan) +
               " " + std::to_string(r.gpuPower) + " " + std::to_string(r.gpuLoad);
    }
    void ScheduleDisplayFrame(const DisplayReadings& r) override { log->push_back(Describe("serial", r)); }
    void SendHidReport(const DisplayReadings& r) override { log->push_back(Describe("hid", r)); }
};

class MonitorCycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeSensorLibrary::Current() = &lib;
        lib.devices = {
            {Processor, "CPU", {{Load, 57.9f}, {Clock, 3599.6f}, {Power, 65.4f}, {Temperature, 45.7f}}},
            {Mainboard, "Board", {{FanSpeed, 5200.0f}}},
            {DisplayAdapter, "GPU", {{Load, 3.0f}, {Clock, 1500.5f}, {FanSpeed, 0.0f}, {Power, 20.0f}, {Temperature, -1.0f}}},
        };
        hub.StartSensorLibrary(FakeSensorLibrary::Export(), L"C:\\", L"cpuidsdk.dll");
        hub.CollectInventory();
        const char* names[] = {"cpu load", "cpu clock", "cpu fan", "cpu power", "gpu load", "gpu clock", "gpu fan", "gpu power"};
        for (int i = 0; i < 8; ++i) {
            controls[i].name = names[i];
            controls[i].log = &log;
            wiring.bars[i] = &controls[i];
            wiring.labels[i] = &controls[i];
        }
        gauges[0].name = "cpu";
        gauges[1].name = "gpu";
        gauges[0].log = gauges[1].log = &log;
        wiring.gauges = {&gauges[0], &gauges[1]};
        devices.log = &log;
    }
    void TearDown() override
    {
        hubOwner.reset(); // shuts the library down while it is still there
        FakeSensorLibrary::Current() = nullptr;
    }

    FakeSensorLibrary lib;
    std::unique_ptr<CSensorHub> hubOwner = std::make_unique<CSensorHub>();
    CSensorHub& hub = *hubOwner;
    std::vector<std::string> log;
    Recorder controls[8];
    Recorder gauges[2];
    MonitorControls wiring;
    RecordingDevices devices;
};

TEST_F(MonitorCycle, ShowsEachClassInTurnThenFeedsTheDevice)
{
    ASSERT_TRUE(RunMonitorCycle({&hub, false, 0}, wiring, devices));
    EXPECT_EQ(log, (std::vector<std::string>{
                       "cpu load bar 57", "cpu load text 57 %", "gpu load bar 3", "gpu load text 3 %",
                       "cpu clock bar 3599", "cpu clock text 3600 MHz", "gpu clock bar 1500", "gpu clock text 1500 MHz",
                       "cpu fan bar 5200", "cpu fan text 5200 RPM", "gpu fan bar 0", "gpu fan text 0 RPM",
                       "cpu power bar 65", "cpu power text 65 W", "gpu power bar 20", "gpu power text 20 W",
                       "cpu gauge 0 45 unit 0", "gpu gauge 1 -1 unit 0",
                       "hid 3599 45 5200 65 57 | 1500 -1 0 20 3",
                   }));

    log.clear();
    ASSERT_TRUE(RunMonitorCycle({&hub, true, 1}, wiring, devices));
    EXPECT_EQ(log.back(), "serial 3599 45 5200 65 57 | 1500 -1 0 20 3");
    EXPECT_EQ(log[16], "cpu gauge 0 45 unit 1") << "temperatures stay in Celsius; the gauge converts";
}

TEST_F(MonitorCycle, NoHubEndsTheWorker)
{
    EXPECT_FALSE(RunMonitorCycle({nullptr, false, 1}, wiring, devices));
    EXPECT_TRUE(log.empty());
}

// A device whose writes can be held up, as a display that stalls mid-write.
struct StallingDevices final : IDisplayDevices {
    std::mutex lock;
    std::condition_variable changed;
    bool holding = false;
    bool inside = false;
    std::atomic<int> cycles{0};
    void ScheduleDisplayFrame(const DisplayReadings&) override {}
    void SendHidReport(const DisplayReadings&) override
    {
        ++cycles;
        std::unique_lock guard(lock);
        inside = true;
        changed.notify_all();
        changed.wait(guard, [&] { return !holding; });
        inside = false;
    }
};

TEST_F(MonitorCycle, StopWakesASleepingWorkerAndWaitsForAWriteInProgress)
{
    using namespace std::chrono;
    {
        g_bMonitorRun = 1;
        StallingDevices stalling;
        CMonitorWorker worker([&] { return MonitorCycleInputs{&hub, false, 1}; }, wiring, stalling);
        ASSERT_TRUE(worker.Start());
        while (stalling.cycles == 0)
            std::this_thread::sleep_for(milliseconds(1));
        std::this_thread::sleep_for(milliseconds(50)); // now asleep between cycles
        const auto stopAt = steady_clock::now();
        StopMonitorWorker();
        EXPECT_TRUE(worker.WaitForStop());
        EXPECT_LT(steady_clock::now() - stopAt, milliseconds(500)) << "a sleeping worker ends at once";
        EXPECT_EQ(stalling.cycles, 1);
    }
    {
        g_bMonitorRun = 1;
        StallingDevices stalling;
        stalling.holding = true;
        CMonitorWorker worker([&] { return MonitorCycleInputs{&hub, false, 1}; }, wiring, stalling);
        ASSERT_TRUE(worker.Start());
        {
            std::unique_lock guard(stalling.lock);
            stalling.changed.wait(guard, [&] { return stalling.inside; });
        }
        StopMonitorWorker();
        std::thread release([&] {
            std::this_thread::sleep_for(milliseconds(100));
            std::lock_guard guard(stalling.lock);
            stalling.holding = false;
            stalling.changed.notify_all();
        });
        EXPECT_TRUE(worker.WaitForStop(5000)) << "the write ends, then the worker";
        release.join();
        EXPECT_EQ(stalling.cycles, 1);
    }
    g_bMonitorRun = 1;
}

TEST_F(MonitorCycle, AWorkerStartedAfterTheStopNeverRuns)
{
    StopMonitorWorker();
    StallingDevices stalling;
    CMonitorWorker worker([&] { return MonitorCycleInputs{&hub, false, 1}; }, wiring, stalling);
    ASSERT_TRUE(worker.Start());
    EXPECT_TRUE(worker.WaitForStop(1000));
    EXPECT_EQ(stalling.cycles, 0);
    g_bMonitorRun = 1;
}

} // namespace
