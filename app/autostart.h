// Starting with Windows: the per-machine Run value.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

constexpr const wchar_t* kAutoStartValueName = L"Zelvane";

class IRunKey {
public:
    virtual ~IRunKey() = default;
    virtual bool SetValue(const std::wstring& name, const std::wstring& data) = 0;
    virtual bool DeleteValue(const std::wstring& name) = 0;
};

// HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run, opened or created; null when
// that fails (no administrator rights, or no registry at all).
std::unique_ptr<IRunKey> OpenMachineRunKey();

// The full path of the running executable, however long.
std::wstring RunningExecutablePath();

// The command the system runs at logon: the path in quotes, so a path with blanks cannot start
// another program.
std::wstring AutoStartCommand(const std::wstring& executablePath);

// 1 writes the value, 0 deletes it, anything else changes nothing. Failures are silent.
void SetAutoStart(IRunKey* runKey, const std::wstring& executablePath, std::uint8_t value);
