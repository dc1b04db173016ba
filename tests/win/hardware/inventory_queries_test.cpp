// The inventory's Windows queries against Wine's registry, WMI and adapter list.
#include <gtest/gtest.h>
#include <windows.h>

#include "hardware/sensor_hub.h"
#include "hardware/system_queries.h"

namespace {

const wchar_t* const kVersionKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion";

// Sets registry text values for one test and puts the old ones back afterwards.
class RegistryValues {
public:
    explicit RegistryValues(std::vector<std::pair<std::wstring, std::wstring>> values)
    {
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kVersionKey, 0, KEY_READ | KEY_WRITE, &m_key);
        for (const auto& [name, data] : values) {
            wchar_t old[512] = {};
            DWORD bytes = sizeof old - sizeof(wchar_t);
            const bool existed = RegQueryValueExW(m_key, name.c_str(), nullptr, nullptr,
                                                  reinterpret_cast<BYTE*>(old), &bytes) == ERROR_SUCCESS;
            m_saved.push_back({name, existed ? std::optional<std::wstring>(old) : std::nullopt});
            Set(name, data);
        }
    }
    ~RegistryValues()
    {
        for (const auto& [name, old] : m_saved) {
            if (old)
                Set(name, *old);
            else
                RegDeleteValueW(m_key, name.c_str());
        }
        RegCloseKey(m_key);
    }

private:
    void Set(const std::wstring& name, const std::wstring& data)
    {
        RegSetValueExW(m_key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }

    HKEY m_key = nullptr;
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> m_saved;
};

TEST(InventoryOnWindows, OsVersionFromTheRegistry)
{
    // The text rules are tested natively; here the values come from the real registry.
    {
        RegistryValues values({{L"ProductName", L"Windows 10 Pro"}, {L"DisplayVersion", L"23H2"}, {L"CurrentBuild", L"22631"}});
        CSensorHub hub;
        hub.QueryOsVersion();
        EXPECT_EQ(hub.m_strSystem, L"Windows 11 Pro\t23H2");
    }
    // A value longer than the buffer of 256 characters is cut, never overrun.
    RegistryValues longName({{L"ProductName", std::wstring(300, L'W')}});
    EXPECT_EQ(QueryOsVersionValues().productName, std::wstring(255, L'W')) << "cut to the 256-character buffer";
}

TEST(InventoryOnWindows, SoundDevicesAndTheFirstAdapter)
{
    CSensorHub hub;
    EXPECT_TRUE(hub.QueryWmiDescriptions(L"SELECT * FROM Win32_SoundDevice"));
    EXPECT_EQ(hub.m_arrSoundDevices, std::vector<std::wstring>{L"Wine Audio Device"});
    // A second query in the same process still runs (COM security is set once per process).
    EXPECT_TRUE(hub.QueryWmiDescriptions(L"SELECT * FROM Win32_SoundDevice"));
    EXPECT_EQ(hub.m_arrSoundDevices.size(), 2u);

    EXPECT_FALSE(QueryFirstAdapterDescription().empty());
}

} // namespace
