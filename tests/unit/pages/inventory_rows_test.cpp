#include <gtest/gtest.h>

#include "hardware/sensor_hub.h"
#include "pages/inventory_rows.h"

namespace {

TEST(InventoryRows, CaptionsInOrderWithTheFirstDriveAndSoundDevice)
{
    CSensorHub hub;
    hub.m_strCpu = L"Processor";
    hub.m_strSystem = L"Windows 10 Pro\t22H2";
    hub.m_arrDrives = {L"Drive A", L"Drive B"};
    const auto rows = InventoryRows(hub);
    const wchar_t* captions[] = {L"CPU",           L"Mainboard",  L"RAM",          L"Disk Drive",
                                 L"Graphics Card", L"Sound Card", L"Network Card", L"System Version"};
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_STREQ(rows[i].caption, captions[i]);
    EXPECT_EQ(rows[0].value, L"Processor");
    EXPECT_EQ(rows[3].value, L"Drive A");
    EXPECT_EQ(rows[5].value, L""); // no sound device
    EXPECT_EQ(rows[7].value, L"Windows 10 Pro\t22H2");
    EXPECT_EQ(rows[1].value, L"");
}

} // namespace
