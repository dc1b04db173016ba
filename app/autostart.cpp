#include "app/autostart.h"

std::wstring AutoStartCommand(const std::wstring& executablePath)
{
    return L"\"" + executablePath + L"\"";
}

void SetAutoStart(IRunKey* runKey, const std::wstring& executablePath, std::uint8_t value)
{
    if (!runKey)
        return;
    if (value == 1)
        runKey->SetValue(kAutoStartValueName, AutoStartCommand(executablePath));
    else if (value == 0)
        runKey->DeleteValue(kAutoStartValueName);
}
