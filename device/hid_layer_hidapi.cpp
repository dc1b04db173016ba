#include <hidapi.h>

#include "device/hid_layer.h"

namespace {

class HidapiLayer final : public IHidLayer {
public:
    HidHandle Open(std::uint16_t vendorId, std::uint16_t productId) override
    {
        return hid_open(vendorId, productId, nullptr);
    }

    int Write(HidHandle device, const std::uint8_t* data, std::size_t size) override
    {
        return hid_write(static_cast<hid_device*>(device), data, size);
    }

    void Close(HidHandle device) override { hid_close(static_cast<hid_device*>(device)); }

    void Exit() override { hid_exit(); }
};

} // namespace

std::unique_ptr<IHidLayer> CreateHidapiLayer()
{
    return std::make_unique<HidapiLayer>();
}
