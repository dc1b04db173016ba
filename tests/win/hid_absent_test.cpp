// The real hidapi windows backend under a system with no HID display: nothing opens, nothing is
// written, and every cycle tries again.
#include <gtest/gtest.h>

#include "device/hid_display.h"
#include "device/hid_layer.h"
#include "device/hid_report.h"

namespace {

// Counts what goes through the real library.
class CountingHidapiLayer final : public IHidLayer {
public:
    int opens = 0, writes = 0, closes = 0, exits = 0;

    HidHandle Open(std::uint16_t vendorId, std::uint16_t productId) override
    {
        ++opens;
        return m_real->Open(vendorId, productId);
    }
    int Write(HidHandle device, const std::uint8_t* data, std::size_t size) override
    {
        ++writes;
        return m_real->Write(device, data, size);
    }
    void Close(HidHandle device) override
    {
        ++closes;
        m_real->Close(device);
    }
    void Exit() override
    {
        ++exits;
        m_real->Exit();
    }

private:
    std::unique_ptr<IHidLayer> m_real = CreateHidapiLayer();
};

TEST(HidapiWindows, AbsentDisplayIsRetriedEveryCycleAndNothingIsSent)
{
    auto layer = std::make_unique<CountingHidapiLayer>();
    CountingHidapiLayer& counts = *layer;
    CHidDisplay display(std::move(layer));

    EXPECT_EQ(CreateHidapiLayer()->Open(kHidDisplayVendorId, kHidDisplayProductId), nullptr);
    for (int cycle = 0; cycle < 3; ++cycle)
        display.SendHidReport(DisplayReadings{});
    EXPECT_EQ(counts.opens, 3);
    EXPECT_EQ(counts.writes, 0);
    EXPECT_FALSE(display.IsOpen());

    display.ReleaseIfOpen(); // a removal notice with nothing open
    EXPECT_EQ(counts.exits, 0);
    display.Release(); // the page going away releases the library
    EXPECT_EQ(counts.closes, 0);
    EXPECT_EQ(counts.exits, 1);
}

} // namespace
