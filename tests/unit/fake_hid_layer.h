// A HID layer for tests: a device that can be plugged and unplugged, every call recorded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "device/hid_layer.h"

class FakeHidLayer final : public IHidLayer {
public:
    bool present = false;
    std::vector<std::string> log; // "open 5131:2007 -> device", "write 65", "close", "exit"
    std::vector<std::vector<std::uint8_t>> reports;

    HidHandle Open(std::uint16_t vendorId, std::uint16_t productId) override
    {
        char ids[16];
        std::snprintf(ids, sizeof ids, "%04x:%04x", vendorId, productId);
        log.push_back(std::string("open ") + ids + (present ? " -> device" : " -> null"));
        return present ? &m_device : nullptr;
    }

    int Write(HidHandle, const std::uint8_t* data, std::size_t size) override
    {
        log.push_back("write " + std::to_string(size));
        reports.emplace_back(data, data + size);
        return present ? static_cast<int>(size) : -1;
    }

    void Close(HidHandle) override { log.push_back("close"); }
    void Exit() override { log.push_back("exit"); }

private:
    int m_device = 0;
};
