#include "device/port_name.h"

std::wstring CutPortName(const std::wstring& friendlyName)
{
    const std::size_t open = friendlyName.find(L'(');
    std::wstring name = open == std::wstring::npos ? friendlyName : friendlyName.substr(open + 1);
    while (!name.empty() && name.back() == L')')
        name.pop_back();
    return name;
}

bool IsComPortName(const std::wstring& portName)
{
    return portName.starts_with(L"COM");
}
