#include "simulated_machine.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sensor_standin {
namespace {

// Values given the same period swing in step, as a load and the power it draws do. Each value
// without a period gets one of several and its own starting point, so that those do not all rise
// and fall together.
struct Swing {
    SimulatedValue value;
    double phase = 0.0;
};

Swing SwingFor(SimulatedValue value, std::size_t serial)
{
    if (value.periodSeconds > 0.0)
        return {value, 0.0};
    value.periodSeconds = 20.0 + 7.0 * static_cast<double>(serial % 6);
    constexpr double kGoldenFraction = 0.6180339887498949;
    double whole = 0.0;
    return {value, std::modf(static_cast<double>(serial) * kGoldenFraction, &whole)};
}

bool InClass(const SensorDescription& sensor, std::int32_t sensorClass)
{
    return sensorClass == cpuidsdk::kAllSensorClasses || sensor.sensorClass == sensorClass;
}

}  // namespace

void SimulatedMachine::LiveValue::Start(double seconds)
{
    current = minimum = maximum = static_cast<float>(value.At(seconds, phase));
}

void SimulatedMachine::LiveValue::Update(double seconds)
{
    current = static_cast<float>(value.At(seconds, phase));
    minimum = std::min(minimum, current);
    maximum = std::max(maximum, current);
}

SimulatedMachine::SimulatedMachine(MachineDescription description, double seconds)
    : description_(std::move(description))
{
    std::size_t serial = 0;
    for (const DeviceDescription& device : description_.devices) {
        auto& values = sensorValues_.emplace_back();
        for (const SensorDescription& sensor : device.sensors) {
            const Swing swing = SwingFor(sensor.value, serial);
            LiveValue& live = values.emplace_back(LiveValue{swing.value, swing.phase});
            live.Start(seconds);
            ++serial;
        }
    }
    const Swing swing = SwingFor(description_.processorTemperature, serial);
    processorTemperature_ = LiveValue{swing.value, swing.phase};
    processorTemperature_.Start(seconds);
}

void SimulatedMachine::Rescan(double seconds)
{
    for (auto& values : sensorValues_)
        for (LiveValue& live : values)
            live.Update(seconds);
    processorTemperature_.Update(seconds);
}

const DeviceDescription* SimulatedMachine::Device(std::int32_t device) const
{
    if (device < 0 || static_cast<std::size_t>(device) >= description_.devices.size())
        return nullptr;
    return &description_.devices[static_cast<std::size_t>(device)];
}

std::int32_t SimulatedMachine::DeviceTotal() const { return static_cast<std::int32_t>(description_.devices.size()); }

std::int32_t SimulatedMachine::DeviceKind(std::int32_t device) const
{
    const DeviceDescription* found = Device(device);
    return found ? found->deviceClass : -1;
}

const std::string* SimulatedMachine::DeviceLabel(std::int32_t device) const
{
    const DeviceDescription* found = Device(device);
    return found && found->label ? &*found->label : nullptr;
}

std::int32_t SimulatedMachine::SensorTotal(std::int32_t device, std::int32_t sensorClass) const
{
    const DeviceDescription* found = Device(device);
    if (!found)
        return 0;
    return static_cast<std::int32_t>(std::count_if(found->sensors.begin(), found->sensors.end(),
                                                   [&](const SensorDescription& s) { return InClass(s, sensorClass); }));
}

std::optional<std::size_t> SimulatedMachine::SensorPosition(std::int32_t device, std::int32_t sensor,
                                                            std::int32_t sensorClass) const
{
    const DeviceDescription* found = Device(device);
    if (!found || sensor < 0)
        return std::nullopt;
    std::int32_t seen = 0;
    for (std::size_t position = 0; position < found->sensors.size(); ++position) {
        if (!InClass(found->sensors[position], sensorClass))
            continue;
        if (seen == sensor)
            return position;
        ++seen;
    }
    return std::nullopt;
}

std::optional<SensorReading> SimulatedMachine::ReadSensor(std::int32_t device, std::int32_t sensor,
                                                          std::int32_t sensorClass) const
{
    const auto position = SensorPosition(device, sensor, sensorClass);
    if (!position)
        return std::nullopt;
    const auto index = static_cast<std::size_t>(device);
    const LiveValue& live = sensorValues_[index][*position];
    return SensorReading{description_.devices[index].sensors[*position].name, live.current, live.minimum, live.maximum};
}

float SimulatedMachine::ProcessorTemperature(std::int32_t processor) const
{
    return processor == 0 ? processorTemperature_.current : 0.0f;
}

const std::string* SimulatedMachine::MemoryLabel(std::int32_t index) const
{
    return index == 0 && description_.memory.label ? &*description_.memory.label : nullptr;
}

}  // namespace sensor_standin
