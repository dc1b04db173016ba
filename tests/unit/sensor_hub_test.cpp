#include <gtest/gtest.h>

#include "fake_sensor_library.h"
#include "hardware/sensor_hub.h"

namespace {

using namespace cpuidsdk;

class SensorHub : public ::testing::Test {
protected:
    void SetUp() override { FakeSensorLibrary::Current() = &lib; }
    void TearDown() override { FakeSensorLibrary::Current() = nullptr; }

    // A hub started on the fake table and surveyed, as the main window does it.
    std::unique_ptr<CSensorHub> StartedHub()
    {
        auto hub = std::make_unique<CSensorHub>();
        hub->StartSensorLibrary(FakeSensorLibrary::Export(), L"C:\\Zelvane\\", L"cpuidsdk.dll");
        hub->CollectInventory();
        lib.calls.clear();
        return hub;
    }

    FakeSensorLibrary lib;
};

TEST_F(SensorHub, ReadingsGoToTheirFieldsAndTheLastDeviceOfAClassWins)
{
    lib.devices = {
        {DisplayAdapter, "iGPU", {{Temperature, 40.0f}, {Clock, 300.0f}}},
        {Processor, "CPU", {{Temperature, 45.5f}, {Clock, 3599.6f}, {FanSpeed, 2222.0f}, {Load, 12.0f}}},
        {Mainboard, "Board", {{Temperature, 33.0f}, {FanSpeed, 1200.0f}}},
        {DisplayAdapter, "dGPU", {{Temperature, 61.0f}, {Clock, 1500.0f}, {FanSpeed, 900.0f}}},
        {Memory, "DIMM", {{Temperature, 38.0f}, {Clock, 3200.0f}}},
    };
    auto hub = StartedHub();
    for (std::int32_t sensorClass : {Temperature, FanSpeed, Load, Clock})
        hub->RefreshReadings(sensorClass);

    EXPECT_EQ(hub->m_gpuTemp.value, 61.0f) << "the higher device index wins";
    EXPECT_EQ(hub->m_gpuClock.value, 1500.0f);
    EXPECT_EQ(hub->m_cpuTemp.value, 45.5f);
    EXPECT_EQ(hub->m_cpuTemp.aux1, -1.0f);
    EXPECT_EQ(hub->m_cpuTemp.aux2, 999.0f);
    EXPECT_EQ(hub->m_cpuClock.value, 3599.6f);
    EXPECT_EQ(hub->m_mainboardFan.value, 1200.0f) << "the processor's own fan is not the CPU fan";
    EXPECT_EQ(hub->m_gpuFan.value, 900.0f);
    EXPECT_EQ(hub->m_memoryTemp.value, 38.0f);
    EXPECT_EQ(hub->m_mainboardTemp.value, 33.0f);
    EXPECT_EQ(hub->m_cpuLoad.value, 12.0f);
    EXPECT_EQ(hub->m_gpuLoad.value, 0.0f);
}

TEST_F(SensorHub, ARefreshTouchesOnlyItsOwnSensorClass)
{
    lib.devices = {{Processor, "CPU", {{Temperature, 45.0f}, {Clock, 3600.0f}, {Power, 65.0f}, {Load, 12.0f}}},
                   {Mainboard, "Board", {{FanSpeed, 1200.0f}}}};
    auto hub = StartedHub();
    hub->RefreshReadings(Clock);
    EXPECT_EQ(hub->m_cpuClock.value, 3600.0f);
    for (const SensorTriple* other : {&hub->m_cpuTemp, &hub->m_cpuPower, &hub->m_cpuLoad, &hub->m_mainboardFan})
        EXPECT_EQ(other->value, 0.0f);
    EXPECT_EQ(lib.calls["Rescan"], 1);
}

TEST_F(SensorHub, AProcessorAtExactlyZeroFallsBackToTheProcessorTemperature)
{
    lib.devices = {{Processor, "CPU", {{Temperature, 0.0f}}}};
    lib.processorTemperature = 52.0f;
    auto withFallback = StartedHub();
    withFallback->RefreshReadings(Temperature);
    EXPECT_EQ(withFallback->m_cpuTemp.value, 52.0f);

    lib.omitted = {Code::ProcessorTemperature};
    auto withoutFallback = StartedHub();
    withoutFallback->RefreshReadings(Temperature);
    EXPECT_EQ(withoutFallback->m_cpuTemp.value, -1.0f) << "unreadable, not 0";
}

TEST_F(SensorHub, NoDevicesOrNoLibraryStoresNothing)
{
    auto empty = StartedHub(); // the library answers, with no devices
    empty->m_cpuTemp.value = 7.0f;
    empty->RefreshReadings(Temperature);
    EXPECT_EQ(lib.calls, (std::map<std::string, int>{{"Rescan", 1}}));
    EXPECT_EQ(empty->m_cpuTemp.value, 7.0f);

    CSensorHub none;
    none.LoadSensorLibrary(L"/nonexistent/", L"cpuidsdk.so");
    none.CollectInventory();
    none.RefreshReadings(Temperature);
    EXPECT_EQ(none.m_pSdk, nullptr);
    EXPECT_EQ(none.m_nDeviceCount, -1);
    EXPECT_EQ(none.m_strMemory, L"");

    CSensorHub relative; // only a full path is ever loaded
    relative.LoadSensorLibrary(L"", L"cpuidsdk.so");
    EXPECT_FALSE(relative.m_hLibrary.IsLoaded());
}

TEST_F(SensorHub, EveryMissingEntryTakesItsDefault)
{
    lib.devices = {{Processor, "CPU", {{Temperature, 0.0f}, {Clock, 3600.0f}}}};
    lib.memoryMegabytes = 16384;
    lib.memoryKind = 10;
    lib.memoryLabel = "Kingston";
    struct Case {
        Code omitted;
        std::int32_t deviceCount;
        const wchar_t* cpu;
        const wchar_t* memory;
        float cpuTemp;
        float cpuClock;
    };
    const Case cases[] = {
        {Code::DeviceTotal, -1, L"", L"Kingston 16 GB DDR4", 0.0f, 0.0f},
        {Code::DeviceKind, 1, L"", L"Kingston 16 GB DDR4", 0.0f, 0.0f},
        {Code::DeviceLabel, 1, L"", L"Kingston 16 GB DDR4", 0.0f, 3600.0f},
        {Code::SensorTotal, 1, L"", L"Kingston 16 GB DDR4", 0.0f, 0.0f},
        {Code::SensorRead, 1, L"CPU", L"Kingston 16 GB DDR4", 0.0f, 0.0f}, // zeros, then the fallback
        {Code::MemoryMegabytes, 1, L"CPU", L"Kingston DDR4", 0.0f, 3600.0f},
        {Code::MemoryKind, 1, L"CPU", L"Kingston 16 GB", 0.0f, 3600.0f},
        {Code::MemoryLabel, 1, L"CPU", L" 16 GB DDR4", 0.0f, 3600.0f},
        {Code::AllocHandle, 1, L"CPU", L"Kingston 16 GB DDR4", 0.0f, 3600.0f},
        {Code::StartUp, 1, L"CPU", L"Kingston 16 GB DDR4", 0.0f, 3600.0f},
        {Code::Rescan, 1, L"CPU", L"Kingston 16 GB DDR4", 0.0f, 3600.0f},
    };
    lib.processorTemperature = 0.0f;
    for (const Case& c : cases) {
        lib.omitted = {c.omitted};
        auto hub = StartedHub();
        hub->RefreshReadings(Temperature);
        hub->RefreshReadings(Clock);
        const int code = static_cast<int>(c.omitted);
        EXPECT_EQ(hub->m_nDeviceCount, c.deviceCount) << std::hex << code;
        EXPECT_EQ(hub->m_strCpu, c.cpu) << std::hex << code;
        EXPECT_EQ(hub->m_strMemory, c.memory) << std::hex << code;
        EXPECT_EQ(hub->m_cpuTemp.value, c.cpuTemp) << std::hex << code;
        EXPECT_EQ(hub->m_cpuClock.value, c.cpuClock) << std::hex << code;
    }
}

TEST_F(SensorHub, ShutsTheLibraryDownOnDestruction)
{
    StartedHub().reset();
    EXPECT_EQ(lib.calls, (std::map<std::string, int>{{"ShutDown", 1}, {"FreeHandle", 1}}));
    lib.omitted = {Code::ShutDown, Code::FreeHandle};
    StartedHub().reset(); // missing entries are skipped
}

TEST_F(SensorHub, InventoryNamesDevicesThatHaveSensors)
{
    lib.devices = {
        {StorageDrive, "Samsung SSD 980 PRO 1TB", {{Temperature, 40.0f}}},
        {Processor, "Sensorless CPU", {}},
        {Processor, "AMD Ryzen 7 7700X", {{Temperature, 45.0f}}},
        {StorageDrive, "WDC WD20EZRZ", {{Temperature, 35.0f}}},
        {Mainboard, nullptr, {{FanSpeed, 1200.0f}}},
        {DisplayAdapter, "NVIDIA GeForce RTX 4070", {{Load, 3.0f}}},
        {0x1000, "Something else", {{Load, 1.0f}}},
    };
    auto hub = StartedHub();
    EXPECT_EQ(hub->m_nDeviceCount, 7);
    EXPECT_EQ(hub->m_strCpu, L"AMD Ryzen 7 7700X");
    EXPECT_EQ(hub->m_arrDrives, (std::vector<std::wstring>{L"Samsung SSD 980 PRO 1TB", L"WDC WD20EZRZ"}));
    EXPECT_EQ(hub->m_strMainboard, L"");
    EXPECT_EQ(hub->m_strGpu, L"NVIDIA GeForce RTX 4070");
}

TEST_F(SensorHub, LongTextsAreCutToTheirBuffers)
{
    const std::string longLabel(600, 'x');
    lib.devices = {{Processor, longLabel.c_str(), {{Temperature, 45.0f}}}};
    CSensorHub hub;
    hub.StartSensorLibrary(FakeSensorLibrary::Export(), L"C:\\" + std::wstring(300, L'f') + L"\\", L"cpuidsdk.dll");
    hub.CollectInventory();
    EXPECT_EQ(hub.m_strCpu, std::wstring(511, L'x'));
    EXPECT_EQ(lib.startUpFolder.size(), 259u);
}

} // namespace
