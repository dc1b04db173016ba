// The machine the stand-in simulates: the description's devices and memory with live sensor
// values, answering the questions the sensor library answers. Not thread-safe on its own.
#pragma once

#include "machine_description.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sensor_standin {

struct SensorReading {
    std::string_view name;  // valid while the machine lives
    float value = 0.0f;
    float minimum = 0.0f;   // the lowest and highest value since the machine started
    float maximum = 0.0f;
};

class SimulatedMachine {
public:
    // Takes the first reading at `seconds` of wall-clock time.
    SimulatedMachine(MachineDescription description, double seconds);

    // Moves every value that is given as a range to where it is at `seconds`.
    void Rescan(double seconds);

    std::int32_t DeviceTotal() const;
    std::int32_t DeviceKind(std::int32_t device) const;           // -1 for a bad index
    const std::string* DeviceLabel(std::int32_t device) const;    // null: bad index or no label
    // Sensors of `sensorClass` on the device, or of every class for cpuidsdk::kAllSensorClasses;
    // 0 for a bad index.
    std::int32_t SensorTotal(std::int32_t device, std::int32_t sensorClass) const;
    // `sensor` counts among the sensors that SensorTotal counts for the same class.
    std::optional<SensorReading> ReadSensor(std::int32_t device, std::int32_t sensor, std::int32_t sensorClass) const;

    float ProcessorTemperature(std::int32_t processor) const;  // 0 for any processor but the first
    std::int32_t MemoryMegabytes() const { return description_.memory.megabytes; }
    std::int32_t MemoryKind() const { return description_.memory.kind; }
    const std::string* MemoryLabel(std::int32_t index) const;  // null but for index 0 with a label

private:
    struct LiveValue {
        SimulatedValue value;
        double phase = 0.0;
        float current = 0.0f;
        float minimum = 0.0f;
        float maximum = 0.0f;

        void Start(double seconds);
        void Update(double seconds);
    };

    const DeviceDescription* Device(std::int32_t device) const;
    // Position in the device's sensor list of the `sensor`-th one of `sensorClass`.
    std::optional<std::size_t> SensorPosition(std::int32_t device, std::int32_t sensor, std::int32_t sensorClass) const;

    MachineDescription description_;
    std::vector<std::vector<LiveValue>> sensorValues_;  // per device, parallel to its sensors
    LiveValue processorTemperature_;
};

}  // namespace sensor_standin
