#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "device/device_watch.h"

namespace {

// A device-interface broadcast record as the system builds it: size, type, reserved, class GUID,
// then the name and its terminator.
std::vector<std::uint8_t> Record(const std::u16string& name, std::uint32_t deviceType = kDeviceTypeInterface,
                                 std::int64_t sizeAdjust = 0)
{
    std::vector<std::uint8_t> record(28 + (name.size() + 1) * 2, 0);
    const auto size = static_cast<std::uint32_t>(static_cast<std::int64_t>(record.size()) + sizeAdjust);
    std::memcpy(record.data(), &size, 4);
    std::memcpy(record.data() + 4, &deviceType, 4);
    std::memcpy(record.data() + 28, name.data(), name.size() * 2);
    return record;
}

TEST(DeviceWatch, OnlyTheDisplaysIdentitiesAfterThePathPrefixCount)
{
    const std::u16string serial = u"\\\\?\\USB#VID_2E3C&PID_5740#0001#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
    const std::u16string hid = u"\\\\?\\USB#VID_5131&PID_2007#0001#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
    struct Case {
        const char* name;
        std::uint32_t event;
        std::vector<std::uint8_t> record;
        DeviceWatchAction action;
    };
    const Case cases[] = {
        {"serial display arrives", kDeviceArrival, Record(serial), DeviceWatchAction::RediscoverSerialDisplay},
        {"HID display removed", kDeviceRemoveComplete, Record(hid), DeviceWatchAction::ReleaseHidDisplay},
        {"serial display removed", kDeviceRemoveComplete, Record(serial), DeviceWatchAction::None},
        {"HID display arrives", kDeviceArrival, Record(hid), DeviceWatchAction::None},
        {"identity at position 0", kDeviceArrival, Record(u"VID_2E3C&PID_5740#x"), DeviceWatchAction::None},
        {"lower case", kDeviceArrival, Record(u"\\\\?\\USB#vid_2e3c&pid_5740#1"), DeviceWatchAction::None},
        {"unrelated device", kDeviceArrival, Record(u"\\\\?\\USB#VID_046D&PID_C52B#1"), DeviceWatchAction::None},
        {"port-type broadcast", kDeviceArrival, Record(serial, 3), DeviceWatchAction::None},
        {"query removal", 0x8001, Record(hid), DeviceWatchAction::None},
        {"record too short for a header", kDeviceArrival, Record(serial, 5, -static_cast<std::int64_t>(Record(serial).size()) + 8),
         DeviceWatchAction::None},
        // The name runs past the record's own size without a terminator: read no further than the size.
        {"name cut by the record size", kDeviceArrival, Record(serial, 5, -40), DeviceWatchAction::RediscoverSerialDisplay},
        {"identity beyond the record size", kDeviceArrival, Record(serial, 5, -130), DeviceWatchAction::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyDeviceChange(c.event, c.record.data()), c.action) << c.name;
    EXPECT_EQ(ClassifyDeviceChange(kDeviceArrival, nullptr), DeviceWatchAction::None);
}

} // namespace
