#include "machine_description.h"

#include "description_names.h"
#include "description_text.h"

#include <algorithm>

namespace sensor_standin {
namespace {

enum class Section { None, Library, Memory, Device, Unknown };

Section SectionFromName(std::string_view name)
{
    if (EqualsIgnoringCase(name, "library"))
        return Section::Library;
    if (EqualsIgnoringCase(name, "memory"))
        return Section::Memory;
    if (EqualsIgnoringCase(name, "device"))
        return Section::Device;
    return Section::Unknown;
}

void ReadLibraryKey(std::string_view key, std::string_view value, MachineDescription& machine)
{
    if (EqualsIgnoringCase(key, "omit")) {
        for (const std::string_view name : SplitList(value, ','))
            if (const auto entry = EntryFromName(name))
                machine.omittedEntries.push_back(*entry);
    } else if (EqualsIgnoringCase(key, "processor_temperature")) {
        if (const auto temperature = ParseSimulatedValue(value))
            machine.processorTemperature = *temperature;
    }
}

void ReadMemoryKey(std::string_view key, std::string_view value, MemoryDescription& memory)
{
    if (EqualsIgnoringCase(key, "megabytes")) {
        if (const auto megabytes = ParseInt32(value))
            memory.megabytes = *megabytes;
    } else if (EqualsIgnoringCase(key, "kind")) {
        if (const auto kind = ParseInt32(value))
            memory.kind = *kind;
    } else if (EqualsIgnoringCase(key, "label")) {
        memory.label = std::string(value);
    }
}

// "<name>: <value>" or "<value>" alone; the value never holds a colon, so the last one splits.
std::optional<SensorDescription> ReadSensor(std::int32_t sensorClass, std::string_view text)
{
    const auto colon = text.rfind(':');
    const std::string_view name = colon == std::string_view::npos ? std::string_view{} : Trim(text.substr(0, colon));
    const auto value = ParseSimulatedValue(colon == std::string_view::npos ? text : text.substr(colon + 1));
    if (!value)
        return std::nullopt;
    return SensorDescription{sensorClass, std::string(name.empty() ? DefaultSensorName(sensorClass) : name), *value};
}

void ReadDeviceKey(std::string_view key, std::string_view value, DeviceDescription& device)
{
    if (EqualsIgnoringCase(key, "class")) {
        if (const auto deviceClass = DeviceClassFromText(value))
            device.deviceClass = *deviceClass;
    } else if (EqualsIgnoringCase(key, "label")) {
        device.label = std::string(value);
    } else if (const auto sensorClass = SensorClassFromKey(key)) {
        if (auto sensor = ReadSensor(*sensorClass, value))
            device.sensors.push_back(std::move(*sensor));
    }
}

}  // namespace

bool MachineDescription::Omits(cpuidsdk::Code entry) const
{
    return std::find(omittedEntries.begin(), omittedEntries.end(), entry) != omittedEntries.end();
}

MachineDescription ParseMachineDescription(std::string_view text)
{
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (text.starts_with(kUtf8Mark))
        text.remove_prefix(kUtf8Mark.size());

    MachineDescription machine;
    Section section = Section::None;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        if (line.empty() || line.starts_with('#') || line.starts_with(';'))
            continue;
        if (line.starts_with('[')) {
            if (!line.ends_with(']'))
                continue;
            section = SectionFromName(Trim(line.substr(1, line.size() - 2)));
            if (section == Section::Device)
                machine.devices.emplace_back();
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view value = Trim(line.substr(equals + 1));
        if (key.empty())
            continue;

        switch (section) {
        case Section::Library: ReadLibraryKey(key, value, machine); break;
        case Section::Memory: ReadMemoryKey(key, value, machine.memory); break;
        case Section::Device: ReadDeviceKey(key, value, machine.devices.back()); break;
        case Section::None:
        case Section::Unknown: break;
        }
    }
    return machine;
}

}  // namespace sensor_standin
