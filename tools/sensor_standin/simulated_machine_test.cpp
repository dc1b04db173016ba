#include "simulated_machine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace sensor_standin {
namespace {

constexpr double kStart = 1.2e9;

const char* const kDescription = R"(
[library]
processor_temperature = 52.5
[memory]
megabytes = 16384
kind = 10
label = Test RAM
[device]
class = Processor
label = Test CPU
temperature = Package: 0
clock = Core #0: 3000..4000 every 20s
load = Total: 12.5
clock = Core #1: 3500
fan = 900
[device]
class = StorageDrive
[device]
class = DisplayAdapter
label = Test GPU
temperature = GPU: 40..80
load = GPU: 0..100 every 20s
)";

SimulatedMachine MakeMachine() { return SimulatedMachine(ParseMachineDescription(kDescription), kStart); }

TEST(SimulatedMachineTest, AnswersWhatTheDescriptionSays)
{
    const SimulatedMachine machine = MakeMachine();
    EXPECT_EQ(machine.DeviceTotal(), 3);
    EXPECT_EQ(machine.DeviceKind(0), cpuidsdk::Processor);
    EXPECT_EQ(machine.DeviceKind(1), cpuidsdk::StorageDrive);
    EXPECT_EQ(machine.DeviceKind(2), cpuidsdk::DisplayAdapter);
    ASSERT_TRUE(machine.DeviceLabel(0));
    EXPECT_EQ(*machine.DeviceLabel(0), "Test CPU");
    EXPECT_FALSE(machine.DeviceLabel(1));

    EXPECT_EQ(machine.SensorTotal(0, cpuidsdk::kAllSensorClasses), 5);
    EXPECT_EQ(machine.SensorTotal(0, cpuidsdk::Clock), 2);
    EXPECT_EQ(machine.SensorTotal(0, cpuidsdk::Power), 0);
    EXPECT_EQ(machine.SensorTotal(1, cpuidsdk::kAllSensorClasses), 0);

    // Sensor indices count within the class asked for, or over all classes in description order.
    const auto secondClock = machine.ReadSensor(0, 1, cpuidsdk::Clock);
    ASSERT_TRUE(secondClock);
    EXPECT_EQ(secondClock->name, "Core #1");
    EXPECT_EQ(secondClock->value, 3500.0f);
    const auto third = machine.ReadSensor(0, 2, cpuidsdk::kAllSensorClasses);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->name, "Total");
    EXPECT_EQ(third->value, 12.5f);
    const auto fan = machine.ReadSensor(0, 0, cpuidsdk::FanSpeed);
    ASSERT_TRUE(fan);
    EXPECT_EQ(fan->name, "Fan");

    EXPECT_EQ(machine.ProcessorTemperature(0), 52.5f);
    EXPECT_EQ(machine.ProcessorTemperature(1), 0.0f);
    EXPECT_EQ(machine.MemoryMegabytes(), 16384);
    EXPECT_EQ(machine.MemoryKind(), 10);
    ASSERT_TRUE(machine.MemoryLabel(0));
    EXPECT_EQ(*machine.MemoryLabel(0), "Test RAM");
    EXPECT_FALSE(machine.MemoryLabel(1));
}

TEST(SimulatedMachineTest, BadIndicesFindNothing)
{
    const SimulatedMachine machine = MakeMachine();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (const std::int32_t device : {-1, 3, kMin, kMax}) {
        EXPECT_EQ(machine.DeviceKind(device), -1) << device;
        EXPECT_FALSE(machine.DeviceLabel(device)) << device;
        EXPECT_EQ(machine.SensorTotal(device, cpuidsdk::kAllSensorClasses), 0) << device;
        EXPECT_FALSE(machine.ReadSensor(device, 0, cpuidsdk::kAllSensorClasses)) << device;
    }
    struct Read {
        std::int32_t device, sensor, sensorClass;
    };
    for (const Read read : std::vector<Read>{{0, 2, cpuidsdk::Clock},
                                             {0, -1, cpuidsdk::Clock},
                                             {0, kMax, cpuidsdk::kAllSensorClasses},
                                             {0, 5, cpuidsdk::kAllSensorClasses},
                                             {0, 0, cpuidsdk::Power},
                                             {0, 0, 0x1234},
                                             {1, 0, cpuidsdk::kAllSensorClasses},
                                             {2, 1, cpuidsdk::Temperature}}) {
        EXPECT_FALSE(machine.ReadSensor(read.device, read.sensor, read.sensorClass))
            << read.device << " " << read.sensor << " " << read.sensorClass;
    }
    EXPECT_EQ(machine.ProcessorTemperature(-1), 0.0f);
    EXPECT_FALSE(machine.MemoryLabel(-1));
}

TEST(SimulatedMachineTest, RescanMovesRangesAndKeepsFixedNumbersExact)
{
    SimulatedMachine machine = MakeMachine();
    std::vector<float> clocks;
    for (double t = 0.0; t <= 20.0; t += 0.5) {
        machine.Rescan(kStart + t);
        const auto package = machine.ReadSensor(0, 0, cpuidsdk::Temperature);
        ASSERT_TRUE(package);
        EXPECT_EQ(package->value, 0.0f);  // exactly: what the processor temperature fallback needs
        EXPECT_EQ(package->minimum, 0.0f);
        EXPECT_EQ(package->maximum, 0.0f);
        EXPECT_EQ(machine.ReadSensor(0, 1, cpuidsdk::Clock)->value, 3500.0f);
        EXPECT_EQ(machine.ProcessorTemperature(0), 52.5f);

        const auto clock = machine.ReadSensor(0, 0, cpuidsdk::Clock);
        ASSERT_TRUE(clock);
        EXPECT_GE(clock->value, 3000.0f);
        EXPECT_LE(clock->value, 4000.0f);
        clocks.push_back(clock->value);
        // Values with the same period swing in step.
        const auto gpuLoad = machine.ReadSensor(2, 0, cpuidsdk::Load);
        ASSERT_TRUE(gpuLoad);
        EXPECT_NEAR((clock->value - 3000.0f) / 1000.0f, gpuLoad->value / 100.0f, 1e-4f) << t;
        // The two other floats are the lowest and the highest value so far.
        EXPECT_EQ(clock->minimum, *std::min_element(clocks.begin(), clocks.end()));
        EXPECT_EQ(clock->maximum, *std::max_element(clocks.begin(), clocks.end()));
    }
    // Over one whole period the clock went through its range.
    EXPECT_LT(*std::min_element(clocks.begin(), clocks.end()), 3010.0f);
    EXPECT_GT(*std::max_element(clocks.begin(), clocks.end()), 3990.0f);
}

TEST(SimulatedMachineTest, AnEmptyDescriptionIsAMachineThatFoundNothing)
{
    SimulatedMachine machine(MachineDescription{}, kStart);
    machine.Rescan(kStart + 1.0);
    EXPECT_EQ(machine.DeviceTotal(), 0);
    EXPECT_EQ(machine.DeviceKind(0), -1);
    EXPECT_EQ(machine.SensorTotal(0, cpuidsdk::kAllSensorClasses), 0);
    EXPECT_FALSE(machine.ReadSensor(0, 0, cpuidsdk::Temperature));
    EXPECT_EQ(machine.MemoryMegabytes(), -1);
    EXPECT_EQ(machine.MemoryKind(), -1);
    EXPECT_FALSE(machine.MemoryLabel(0));
    EXPECT_EQ(machine.ProcessorTemperature(0), 0.0f);
}

}  // namespace
}  // namespace sensor_standin
