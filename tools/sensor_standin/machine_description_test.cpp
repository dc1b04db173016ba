#include "machine_description.h"

#include <gtest/gtest.h>

#include <string>

namespace sensor_standin {
namespace {

using cpuidsdk::Code;

TEST(MachineDescriptionTest, ReadsEverySection)
{
    const MachineDescription machine = ParseMachineDescription(R"(# a comment
[library]
omit = ProcessorTemperature, memorylabel
omit = ShutDown
processor_temperature = 0

[memory]
megabytes = 8000
kind = 0x0B
label = Two modules = 8 GB

[device]
class = Processor
label = Test CPU #1
clock = Core #0: 3600..4800 every 20s
temperature = Package: 0
clock = Core #1: 4000
fan = 800

[device]
class = 0x4000
label =

[Device]
CLASS = displayadapter
0x7000 = Vcore: 1.25
)");

    EXPECT_EQ(machine.omittedEntries, (std::vector<Code>{Code::ProcessorTemperature, Code::MemoryLabel, Code::ShutDown}));
    EXPECT_TRUE(machine.Omits(Code::MemoryLabel));
    EXPECT_FALSE(machine.Omits(Code::MemoryKind));
    EXPECT_TRUE(machine.processorTemperature.IsFixed());
    EXPECT_EQ(machine.processorTemperature.low, 0.0);

    EXPECT_EQ(machine.memory.megabytes, 8000);
    EXPECT_EQ(machine.memory.kind, 11);
    EXPECT_EQ(machine.memory.label, "Two modules = 8 GB");

    ASSERT_EQ(machine.devices.size(), 3u);
    const DeviceDescription& cpu = machine.devices[0];
    EXPECT_EQ(cpu.deviceClass, cpuidsdk::Processor);
    EXPECT_EQ(cpu.label, "Test CPU #1");
    ASSERT_EQ(cpu.sensors.size(), 4u);
    EXPECT_EQ(cpu.sensors[0].sensorClass, cpuidsdk::Clock);
    EXPECT_EQ(cpu.sensors[0].name, "Core #0");
    EXPECT_EQ(cpu.sensors[0].value.low, 3600.0);
    EXPECT_EQ(cpu.sensors[0].value.high, 4800.0);
    EXPECT_EQ(cpu.sensors[0].value.periodSeconds, 20.0);
    EXPECT_EQ(cpu.sensors[1].sensorClass, cpuidsdk::Temperature);
    EXPECT_EQ(cpu.sensors[1].name, "Package");
    EXPECT_TRUE(cpu.sensors[1].value.IsFixed());
    EXPECT_EQ(cpu.sensors[1].value.low, 0.0);
    EXPECT_EQ(cpu.sensors[2].name, "Core #1");
    EXPECT_EQ(cpu.sensors[3].sensorClass, cpuidsdk::FanSpeed);
    EXPECT_EQ(cpu.sensors[3].name, "Fan");  // unnamed: called after its class

    EXPECT_EQ(machine.devices[1].deviceClass, 0x4000);
    EXPECT_EQ(machine.devices[1].label, "");  // given empty: a label, not none
    EXPECT_TRUE(machine.devices[1].sensors.empty());

    EXPECT_EQ(machine.devices[2].deviceClass, cpuidsdk::DisplayAdapter);
    EXPECT_FALSE(machine.devices[2].label);
    ASSERT_EQ(machine.devices[2].sensors.size(), 1u);
    EXPECT_EQ(machine.devices[2].sensors[0].sensorClass, 0x7000);
    EXPECT_EQ(machine.devices[2].sensors[0].value.low, 1.25);
}

TEST(MachineDescriptionTest, NothingDescribedIsAMachineWithNothingInIt)
{
    for (const std::string_view text : {"", "\n\n# only comments\n", "[memory]\n[library]\n"}) {
        const MachineDescription machine = ParseMachineDescription(text);
        EXPECT_TRUE(machine.devices.empty());
        EXPECT_EQ(machine.memory.megabytes, -1);
        EXPECT_EQ(machine.memory.kind, -1);
        EXPECT_FALSE(machine.memory.label);
        EXPECT_EQ(machine.processorTemperature.low, 0.0);
        EXPECT_TRUE(machine.processorTemperature.IsFixed());
        EXPECT_TRUE(machine.omittedEntries.empty());
    }
}

TEST(MachineDescriptionTest, SkipsWhatItCannotReadAndKeepsTheRest)
{
    // Windows line ends and a UTF-8 mark, as an editor may leave them.
    const std::string text = "\xEF\xBB\xBF"
                             "megabytes = 4096\r\n"           // before any section
                             "[memory\r\n"                    // unfinished header: the section stays
                             "[memory]\r\n"
                             "megabytes = lots\r\n"
                             "megabytes = 99999999999\r\n"
                             "kind = 10\r\n"
                             "just some words\r\n"
                             "= 5\r\n"
                             "[library]\r\n"
                             "omit = Frobnicate, , DeviceKind\r\n"
                             "processor_temperature = hot\r\n"
                             "[extras]\r\n"                   // unknown section: all of it skipped
                             "omit = DeviceTotal\r\n"
                             "[device]\r\n"
                             "class = Toaster\r\n"
                             "colour = blue\r\n"
                             "temperature = Package: warm\r\n"
                             "temperature = Package:\r\n"
                             "voltage = 1.2\r\n"
                             "load = Total: 5..95\r\n"
                             "[device]\r\n"
                             "class = StorageDrive\r\n"
                             "temperature = 35";              // no line end at the end

    const MachineDescription machine = ParseMachineDescription(text);
    EXPECT_EQ(machine.memory.megabytes, -1);
    EXPECT_EQ(machine.memory.kind, 10);
    EXPECT_EQ(machine.omittedEntries, std::vector<Code>{Code::DeviceKind});
    EXPECT_EQ(machine.processorTemperature.low, 0.0);

    ASSERT_EQ(machine.devices.size(), 2u);
    EXPECT_EQ(machine.devices[0].deviceClass, 0);  // kept in its place, with no class
    ASSERT_EQ(machine.devices[0].sensors.size(), 1u);
    EXPECT_EQ(machine.devices[0].sensors[0].sensorClass, cpuidsdk::Load);
    EXPECT_EQ(machine.devices[0].sensors[0].name, "Total");
    EXPECT_EQ(machine.devices[1].deviceClass, cpuidsdk::StorageDrive);
    ASSERT_EQ(machine.devices[1].sensors.size(), 1u);
    EXPECT_EQ(machine.devices[1].sensors[0].value.low, 35.0);
}

}  // namespace
}  // namespace sensor_standin
