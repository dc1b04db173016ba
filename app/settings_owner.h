// The main window's side of the settings: the start-up copy of every value, the first run, and
// the two general settings that the settings popup changes through ApplySetting.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/autostart.h"
#include "settings/profile_file.h"
#include "settings/settings.h"
#include "pages/temperature_unit_listener.h"

class CSettingsOwner {
public:
    using RunKeyOpener = std::function<std::unique_ptr<IRunKey>()>;

    CSettingsOwner(std::unique_ptr<IProfileFile> file, RunKeyOpener openRunKey, std::wstring executablePath);

    // Reads the file; on the first run writes it with the first-run values and turns autostart on.
    // The Run value is not touched on later runs.
    void LoadSettings();
    std::uint8_t ReadSetting(const wchar_t* key) const;
    // which 0: the temperature unit; which 1: autostart; anything else does nothing.
    void ApplySetting(int which, std::uint8_t value);
    // 1 writes the Run value, 0 deletes it, anything else changes nothing.
    void SetAutoStart(std::uint8_t value);

    void AddTemperatureUnitListener(ITemperatureUnitListener* listener) { m_unitListeners.push_back(listener); }

    std::uint8_t m_nTempUnit = 0;
    std::uint8_t m_bAutoStart = 0;
    TftOptions m_TftOptions;

private:
    std::unique_ptr<IProfileFile> m_pFile;
    RunKeyOpener m_openRunKey;
    std::wstring m_strExecutablePath;
    std::vector<ITemperatureUnitListener*> m_unitListeners;
};
