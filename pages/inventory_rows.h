// The information page's eight rows: a caption and the hub's inventory text for each.
#pragma once

#include <array>
#include <string>

class CSensorHub;

struct InventoryRow {
    const wchar_t* caption;
    std::wstring value;
};

// CPU, mainboard, memory, the first drive, graphics card, the first sound device, network adapter
// and system version. A row whose list is empty has an empty value; other texts are taken as they
// are, empty or not.
std::array<InventoryRow, 8> InventoryRows(const CSensorHub& hub);
