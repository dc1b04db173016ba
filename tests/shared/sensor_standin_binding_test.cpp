// The binding end to end: the hub loads the sensor library's stand-in by its full path, binds it
// through QueryInterface and reads the machine that a description beside it gives.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "hardware/sensor_hub.h"
#include "temporary_directory.h"

namespace {

namespace fs = std::filesystem;
using namespace cpuidsdk;

const char* const kMachine = R"(
[library]
omit = %OMIT%
processor_temperature = 52.5
[memory]
megabytes = 8000
kind = 9
label = Test DIMM
[device]
class = DisplayAdapter
label = First GPU
temperature = 40
[device]
class = Processor
label = Test Processor
temperature = %CPUTEMP%
clock = 3599.6
fan = 777
[device]
class = Mainboard
label = Test Board
fan = 1200
[device]
class = DisplayAdapter
label = Second GPU
temperature = 61
load = 57
[device]
class = StorageDrive
label = Disk A
temperature = 35
[device]
class = StorageDrive
label = Disk B
temperature = 36
)";

// A folder with the stand-in and its description, as the program's folder would hold them.
class StandinFolder {
public:
    StandinFolder(const std::string& omit, const std::string& cpuTemp)
    {
        fs::copy_file(SENSOR_STANDIN_PATH, m_dir.Path(LibraryName()));
        std::string machine = kMachine;
        machine.replace(machine.find("%OMIT%"), 6, omit);
        machine.replace(machine.find("%CPUTEMP%"), 9, cpuTemp);
        std::ofstream(m_dir.Path("cpuidsdk-standin.ini")) << machine;
    }
    static std::string LibraryName() { return fs::path(SENSOR_STANDIN_PATH).filename().string(); }
    std::wstring Folder() const { return fs::path(m_dir.Path("")).wstring(); }

private:
    TemporaryDirectory m_dir;
};

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

TEST(SensorLibraryBinding, ReadsTheDescribedMachineThroughTheRealExport)
{
    StandinFolder folder("", "45.5");
    CSensorHub hub;
    hub.LoadSensorLibrary(folder.Folder(), Wide(StandinFolder::LibraryName()));
    ASSERT_TRUE(hub.m_hLibrary.IsLoaded());
    hub.CollectInventory();
    EXPECT_EQ(hub.m_nDeviceCount, 6);
    EXPECT_EQ(hub.m_strCpu, L"Test Processor");
    EXPECT_EQ(hub.m_strGpu, L"Second GPU");
    EXPECT_EQ(hub.m_strMainboard, L"Test Board");
    EXPECT_EQ(hub.m_arrDrives, (std::vector<std::wstring>{L"Disk A", L"Disk B"}));
    EXPECT_EQ(hub.m_strMemory, L"Test DIMM 8000 MB DDR3");

    for (std::int32_t sensorClass : {Load, Clock, FanSpeed, Power, Temperature})
        hub.RefreshReadings(sensorClass);
    EXPECT_EQ(hub.m_cpuTemp.value, 45.5f);
    EXPECT_EQ(hub.m_cpuClock.value, 3599.6f);
    EXPECT_EQ(hub.m_gpuTemp.value, 61.0f);
    EXPECT_EQ(hub.m_gpuLoad.value, 57.0f);
    EXPECT_EQ(hub.m_mainboardFan.value, 1200.0f);
}

TEST(SensorLibraryBinding, MissingEntriesTakeTheirDefaults)
{
    {
        StandinFolder folder("", "0");
        CSensorHub hub;
        hub.LoadSensorLibrary(folder.Folder(), Wide(StandinFolder::LibraryName()));
        hub.CollectInventory();
        hub.RefreshReadings(Temperature);
        EXPECT_EQ(hub.m_cpuTemp.value, 52.5f) << "a processor at exactly 0 falls back";
    }
    {
        StandinFolder folder("ProcessorTemperature, MemoryLabel, DeviceTotal", "0");
        CSensorHub hub;
        hub.LoadSensorLibrary(folder.Folder(), Wide(StandinFolder::LibraryName()));
        hub.CollectInventory();
        hub.RefreshReadings(Temperature);
        EXPECT_EQ(hub.m_nDeviceCount, -1);
        EXPECT_EQ(hub.m_strMemory, L" 8000 MB DDR3");
        EXPECT_EQ(hub.m_cpuTemp.value, 0.0f) << "no devices: nothing stored";
    }
}

TEST(SensorLibraryBinding, OnlyTheNamedFileInTheNamedFolderIsLoaded)
{
    StandinFolder folder("", "45");
    CSensorHub hub;
    hub.LoadSensorLibrary(folder.Folder(), L"no-such-library");
    EXPECT_FALSE(hub.m_hLibrary.IsLoaded());
    CSensorHub relative;
    relative.LoadSensorLibrary(L"", Wide(StandinFolder::LibraryName())); // never from the current folder
    EXPECT_FALSE(relative.m_hLibrary.IsLoaded());
    CSensorHub empty;
    empty.LoadSensorLibrary(folder.Folder(), L"");
    EXPECT_EQ(empty.m_pSdk, nullptr);
}

} // namespace
