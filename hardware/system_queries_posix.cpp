#include "hardware/system_queries.h"

// The program runs on Windows. Natively there is no adapter list, registry or WMI to ask: the
// inventory keeps these texts empty and the hub's native tests cover the sensor library's part.

std::wstring QueryFirstAdapterDescription()
{
    return {};
}

OsVersionValues QueryOsVersionValues()
{
    return {};
}

bool QueryWmiDescriptions(const std::wstring&, std::vector<std::wstring>&)
{
    return false;
}
