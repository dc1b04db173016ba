#include "description_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <map>
#include <vector>
#include <unistd.h>

namespace sensor_standin {
namespace {

namespace fs = std::filesystem;

TEST(DescriptionFileTest, ReadsTheFileInTheFolderAndNothingWithoutIt)
{
    const fs::path folder = fs::temp_directory_path() / ("sensor_standin_test_" + std::to_string(getpid()));
    fs::create_directories(folder);
    EXPECT_TRUE(LoadDescription(folder).devices.empty());  // no file yet
    EXPECT_TRUE(LoadDescription({}).devices.empty());

    std::ofstream(folder / kDescriptionFileName) << "[device]\nclass = Mainboard\n[memory]\nmegabytes = 2048\n";
    const MachineDescription machine = LoadDescription(folder);
    ASSERT_EQ(machine.devices.size(), 1u);
    EXPECT_EQ(machine.devices[0].deviceClass, cpuidsdk::Mainboard);
    EXPECT_EQ(machine.memory.megabytes, 2048);

    fs::remove_all(folder);
}

// The description shipped beside the library: a plausible desktop whose values stay realistic.
TEST(DescriptionFileTest, TheDefaultDescriptionIsAPlausibleDesktop)
{
    const MachineDescription machine = LoadDescription(STANDIN_DEFAULT_DESCRIPTION_FOLDER);
    EXPECT_TRUE(machine.omittedEntries.empty());
    EXPECT_EQ(machine.memory.megabytes, 16384);
    EXPECT_EQ(machine.memory.kind, 10);
    EXPECT_TRUE(machine.memory.label);
    EXPECT_GT(machine.processorTemperature.low, 20.0);
    EXPECT_LT(machine.processorTemperature.high, 100.0);

    // Realistic bounds per sensor class.
    const std::map<std::int32_t, std::pair<double, double>> bounds = {
        {cpuidsdk::Temperature, {20.0, 100.0}}, {cpuidsdk::FanSpeed, {0.0, 4000.0}},
        {cpuidsdk::Power, {0.0, 400.0}},        {cpuidsdk::Load, {0.0, 100.0}},
        {cpuidsdk::Clock, {100.0, 6000.0}},
    };
    std::vector<std::int32_t> classes;
    std::map<std::int32_t, std::vector<std::int32_t>> sensorClassesOf;  // of every device of each class
    for (const DeviceDescription& device : machine.devices) {
        classes.push_back(device.deviceClass);
        EXPECT_TRUE(device.label && !device.label->empty());
        auto& sensorClasses = sensorClassesOf[device.deviceClass];
        for (const SensorDescription& sensor : device.sensors) {
            ASSERT_TRUE(bounds.contains(sensor.sensorClass)) << sensor.name;
            const auto [lowest, highest] = bounds.at(sensor.sensorClass);
            EXPECT_GE(sensor.value.low, lowest) << sensor.name;
            EXPECT_LE(sensor.value.high, highest) << sensor.name;
            EXPECT_FALSE(sensor.value.IsFixed()) << sensor.name << " should move in the demo";
            sensorClasses.push_back(sensor.sensorClass);
        }
    }
    using namespace cpuidsdk;
    EXPECT_EQ(classes, (std::vector<std::int32_t>{Processor, Mainboard, DisplayAdapter, StorageDrive, StorageDrive}));
    const auto has = [&](std::int32_t deviceClass, std::vector<std::int32_t> wanted) {
        auto& present = sensorClassesOf[deviceClass];
        for (const std::int32_t sensorClass : wanted)
            EXPECT_NE(std::find(present.begin(), present.end(), sensorClass), present.end())
                << std::hex << deviceClass << " lacks " << sensorClass;
    };
    has(Processor, {Clock, Temperature, Load, Power, FanSpeed});
    has(Mainboard, {Temperature, FanSpeed});
    has(DisplayAdapter, {Temperature, FanSpeed, Clock, Load, Power});
    has(StorageDrive, {Temperature});
}

}  // namespace
}  // namespace sensor_standin
