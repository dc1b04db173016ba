// The machine the sensor-library stand-in pretends to be, and its reading from the description
// file's text. The stand-in is a test and demo double; it never ships with the program.
#pragma once

#include "hardware/cpuidsdk_abi.h"
#include "simulated_value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sensor_standin {

struct SensorDescription {
    std::int32_t sensorClass = 0;
    std::string name;
    SimulatedValue value;
};

struct DeviceDescription {
    std::int32_t deviceClass = 0;       // 0 when the description gave none
    std::optional<std::string> label;   // no label: DeviceLabel answers null
    std::vector<SensorDescription> sensors;  // in description order, all classes mixed
};

struct MemoryDescription {
    std::int32_t megabytes = -1;  // -1: unknown
    std::int32_t kind = -1;
    std::optional<std::string> label;
};

struct MachineDescription {
    std::vector<DeviceDescription> devices;  // in the library's device order
    MemoryDescription memory;
    SimulatedValue processorTemperature;     // what ProcessorTemperature(0) answers; 0 by default
    std::vector<cpuidsdk::Code> omittedEntries;

    bool Omits(cpuidsdk::Code entry) const;
};

// Reads the description format (see cpuidsdk-standin.ini). Lines it cannot use are skipped; an
// empty text describes a machine with nothing in it.
MachineDescription ParseMachineDescription(std::string_view text);

}  // namespace sensor_standin
