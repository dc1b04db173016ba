#include "app/settings_owner.h"

CSettingsOwner::CSettingsOwner(std::unique_ptr<IProfileFile> file, RunKeyOpener openRunKey,
                               std::wstring executablePath)
    : m_pFile(std::move(file)), m_openRunKey(std::move(openRunKey)), m_strExecutablePath(std::move(executablePath))
{
}

void CSettingsOwner::LoadSettings()
{
    bool firstRun = false;
    const Settings settings = ::LoadSettings(*m_pFile, firstRun);
    m_nTempUnit = settings.tempUnit;
    m_bAutoStart = settings.autoStart;
    m_TftOptions = settings.tftOptions;
    if (firstRun)
        SetAutoStart(1);
}

std::uint8_t CSettingsOwner::ReadSetting(const wchar_t* key) const
{
    return ::ReadSetting(*m_pFile, key);
}

void CSettingsOwner::ApplySetting(int which, std::uint8_t value)
{
    switch (which) {
    case kTemperatureUnitSetting:
        m_nTempUnit = value;
        WriteSetting(*m_pFile, kTemperatureKey, value);
        for (ITemperatureUnitListener* listener : m_unitListeners)
            listener->SetTemperatureUnit(value);
        return;
    case kAutoStartSetting:
        m_bAutoStart = value;
        WriteSetting(*m_pFile, kAutoStartKey, value);
        SetAutoStart(value);
        return;
    }
}

void CSettingsOwner::SetAutoStart(std::uint8_t value)
{
    const std::unique_ptr<IRunKey> runKey = m_openRunKey();
    ::SetAutoStart(runKey.get(), m_strExecutablePath, value);
}
