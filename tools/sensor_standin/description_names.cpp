#include "description_names.h"

#include "description_text.h"

#include <array>
#include <utility>

namespace sensor_standin {
namespace {

using cpuidsdk::Code;

constexpr std::array<std::pair<std::string_view, std::int32_t>, 5> kDeviceClasses = {{
    {"Processor", cpuidsdk::Processor},
    {"StorageDrive", cpuidsdk::StorageDrive},
    {"DisplayAdapter", cpuidsdk::DisplayAdapter},
    {"Mainboard", cpuidsdk::Mainboard},
    {"Memory", cpuidsdk::Memory},
}};

constexpr std::array<std::pair<std::string_view, std::int32_t>, 6> kSensorClasses = {{
    {"temperature", cpuidsdk::Temperature},
    {"fan", cpuidsdk::FanSpeed},
    {"fanspeed", cpuidsdk::FanSpeed},
    {"power", cpuidsdk::Power},
    {"load", cpuidsdk::Load},
    {"clock", cpuidsdk::Clock},
}};

constexpr std::array<std::pair<std::string_view, Code>, 15> kEntries = {{
    {"AllocHandle", Code::AllocHandle},
    {"StartUp", Code::StartUp},
    {"PostStartUp", Code::PostStartUp},
    {"Rescan", Code::Rescan},
    {"DeviceTotal", Code::DeviceTotal},
    {"DeviceKind", Code::DeviceKind},
    {"DeviceLabel", Code::DeviceLabel},
    {"SensorTotal", Code::SensorTotal},
    {"SensorRead", Code::SensorRead},
    {"ProcessorTemperature", Code::ProcessorTemperature},
    {"MemoryMegabytes", Code::MemoryMegabytes},
    {"MemoryKind", Code::MemoryKind},
    {"MemoryLabel", Code::MemoryLabel},
    {"ShutDown", Code::ShutDown},
    {"FreeHandle", Code::FreeHandle},
}};

template <typename Table>
auto FindByName(const Table& table, std::string_view name) -> std::optional<typename Table::value_type::second_type>
{
    for (const auto& [entryName, value] : table)
        if (EqualsIgnoringCase(entryName, name))
            return value;
    return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> DeviceClassFromText(std::string_view text)
{
    if (const auto named = FindByName(kDeviceClasses, text))
        return named;
    return ParseInt32(text);
}

std::optional<std::int32_t> SensorClassFromKey(std::string_view key)
{
    if (const auto named = FindByName(kSensorClasses, key))
        return named;
    return ParseInt32(key);
}

std::string_view DefaultSensorName(std::int32_t sensorClass)
{
    switch (sensorClass) {
    case cpuidsdk::Temperature: return "Temperature";
    case cpuidsdk::FanSpeed: return "Fan";
    case cpuidsdk::Power: return "Power";
    case cpuidsdk::Load: return "Load";
    case cpuidsdk::Clock: return "Clock";
    default: return "Sensor";
    }
}

std::optional<Code> EntryFromName(std::string_view name) { return FindByName(kEntries, name); }

}  // namespace sensor_standin
