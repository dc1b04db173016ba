#include "device/device_watch.h"

#include <cstring>

namespace {

constexpr std::size_t kHeaderSize = 12; // size, device type, reserved
constexpr std::size_t kNameOffset = 28; // after the header and the class GUID
// No real record comes near this; it bounds the read of a record that lies about its size.
constexpr std::size_t kLargestRecord = 64 * 1024;

std::uint32_t ReadU32(const std::uint8_t* at)
{
    std::uint32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// A genuine interface name starts with a path prefix, so an identity at position 0 is no match.
bool ContainsAfterFirstCharacter(const std::u16string& name, const wchar_t* identity)
{
    const std::u16string wanted(identity, identity + std::wcslen(identity));
    const std::size_t at = name.find(wanted);
    return at != std::u16string::npos && at > 0;
}

} // namespace

std::u16string DeviceInterfaceName(const std::uint8_t* record, std::size_t available)
{
    std::u16string name;
    for (std::size_t at = kNameOffset; at + 2 <= available; at += 2) {
        char16_t c;
        std::memcpy(&c, record + at, sizeof c);
        if (c == 0)
            break;
        name += c;
    }
    return name;
}

DeviceWatchAction ClassifyDeviceChange(std::uint32_t event, const std::uint8_t* record)
{
    if ((event != kDeviceArrival && event != kDeviceRemoveComplete) || !record)
        return DeviceWatchAction::None;
    const std::size_t size = ReadU32(record);
    if (size < kHeaderSize || size > kLargestRecord || ReadU32(record + 4) != kDeviceTypeInterface)
        return DeviceWatchAction::None;
    const std::u16string name = DeviceInterfaceName(record, size);
    if (event == kDeviceArrival && ContainsAfterFirstCharacter(name, kSerialDisplayIdentity))
        return DeviceWatchAction::RediscoverSerialDisplay;
    if (event == kDeviceRemoveComplete && ContainsAfterFirstCharacter(name, kHidDisplayIdentity))
        return DeviceWatchAction::ReleaseHidDisplay;
    return DeviceWatchAction::None;
}
