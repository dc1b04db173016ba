// Which USB device-interface events concern the display, decided from the event's broadcast record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::uint32_t kDeviceArrival = 0x8000;        // DBT_DEVICEARRIVAL
constexpr std::uint32_t kDeviceRemoveComplete = 0x8004; // DBT_DEVICEREMOVECOMPLETE
constexpr std::uint32_t kDeviceTypeInterface = 5;       // DBT_DEVTYP_DEVICEINTERFACE

constexpr const wchar_t* kSerialDisplayIdentity = L"VID_2E3C&PID_5740";
constexpr const wchar_t* kHidDisplayIdentity = L"VID_5131&PID_2007";

enum class DeviceWatchAction {
    None,
    RediscoverSerialDisplay, // the serial display arrived: run the port discovery again
    ReleaseHidDisplay,       // the HID display went: release it, the worker reopens it later
};

// The interface name of a device-interface broadcast record: the UTF-16 text 28 bytes in, up to its
// terminator or the record's own size (its first 32-bit field), whichever comes first.
std::u16string DeviceInterfaceName(const std::uint8_t* record, std::size_t available);

// `record` points at the event's broadcast record (null for events without one); the record is
// read no further than its own size says.
DeviceWatchAction ClassifyDeviceChange(std::uint32_t event, const std::uint8_t* record);
