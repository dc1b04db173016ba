// The names the description file uses for device classes, sensor classes and library entries.
#pragma once

#include "hardware/cpuidsdk_abi.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace sensor_standin {

// "Processor", "StorageDrive", "DisplayAdapter", "Mainboard", "Memory" (any case), or a number.
std::optional<std::int32_t> DeviceClassFromText(std::string_view text);

// "temperature", "fan" or "fanspeed", "power", "load", "clock" (any case), or a number.
std::optional<std::int32_t> SensorClassFromKey(std::string_view key);

// The name a sensor gets when the description gives it none: "Temperature", "Fan", ... or "Sensor".
std::string_view DefaultSensorName(std::int32_t sensorClass);

// An entry by its name as in cpuidsdk::Code, e.g. "ProcessorTemperature" (any case).
std::optional<cpuidsdk::Code> EntryFromName(std::string_view name);

}  // namespace sensor_standin
