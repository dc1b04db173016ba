#include <windows.h>

#include <vector>

#include "app/autostart.h"

namespace {

class Win32RunKey final : public IRunKey {
public:
    explicit Win32RunKey(HKEY key) : m_key(key) {}
    ~Win32RunKey() override { RegCloseKey(m_key); }
    Win32RunKey(const Win32RunKey&) = delete;
    Win32RunKey& operator=(const Win32RunKey&) = delete;

    bool SetValue(const std::wstring& name, const std::wstring& data) override
    {
        const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)); // with the terminator
        return RegSetValueExW(m_key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes) ==
               ERROR_SUCCESS;
    }

    bool DeleteValue(const std::wstring& name) override
    {
        return RegDeleteValueW(m_key, name.c_str()) == ERROR_SUCCESS;
    }

private:
    HKEY m_key;
};

} // namespace

std::unique_ptr<IRunKey> OpenMachineRunKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", &key) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32RunKey>(key);
}

std::wstring RunningExecutablePath()
{
    // The buffer grows until the whole path fits (GetModuleFileNameW fills it exactly when cut).
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        if (buffer.size() >= 32768)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}
