#include "pages/inventory_rows.h"

#include "hardware/sensor_hub.h"

namespace {

std::wstring FirstOf(const std::vector<std::wstring>& entries)
{
    return entries.empty() ? std::wstring() : entries.front();
}

} // namespace

std::array<InventoryRow, 8> InventoryRows(const CSensorHub& hub)
{
    return {{
        {L"CPU", hub.m_strCpu},
        {L"Mainboard", hub.m_strMainboard},
        {L"RAM", hub.m_strMemory},
        {L"Disk Drive", FirstOf(hub.m_arrDrives)},
        {L"Graphics Card", hub.m_strGpu},
        {L"Sound Card", FirstOf(hub.m_arrSoundDevices)},
        {L"Network Card", hub.m_strNetwork},
        {L"System Version", hub.m_strSystem},
    }};
}
