// The HID library as the display link uses it: open by ids, write reports, close, release.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

using HidHandle = void*;

class IHidLayer {
public:
    virtual ~IHidLayer() = default;
    // The first device with these ids, or nullptr.
    virtual HidHandle Open(std::uint16_t vendorId, std::uint16_t productId) = 0;
    // Result: bytes written, or -1.
    virtual int Write(HidHandle device, const std::uint8_t* data, std::size_t size) = 0;
    virtual void Close(HidHandle device) = 0;
    // Releases the library; it initialises itself again on the next Open.
    virtual void Exit() = 0;
};

// hidapi.
std::unique_ptr<IHidLayer> CreateHidapiLayer();
