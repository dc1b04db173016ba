#include "settings/settings.h"

#include <cwctype>

std::uint8_t ParseSettingByte(const std::wstring& text)
{
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    // Only the low 8 bits matter, and they survive arithmetic modulo 2^32: no overflow to care about.
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
        value = value * 10 + static_cast<std::uint32_t>(text[i] - L'0');
    if (negative)
        value = 0u - value;
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::uint8_t ReadSetting(const IProfileFile& file, const wchar_t* key)
{
    return ParseSettingByte(file.ReadString(kSettingsSection, key));
}

bool WriteSetting(IProfileFile& file, const wchar_t* key, std::uint8_t value)
{
    return file.WriteString(kSettingsSection, key, std::to_wstring(value));
}

Settings LoadSettings(IProfileFile& file, bool& firstRun)
{
    firstRun = !file.Exists();
    std::array<std::uint8_t, kSettingKeys.size()> bytes{};
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
        if (firstRun) {
            WriteSetting(file, kSettingKeys[i].name, kSettingKeys[i].firstRunValue);
            bytes[i] = kSettingKeys[i].firstRunValue;
        } else {
            bytes[i] = ReadSetting(file, kSettingKeys[i].name);
        }
    }
    Settings settings;
    settings.tempUnit = bytes[0];
    settings.autoStart = bytes[1];
    for (std::size_t option = 0; option < kTftOptionCount; ++option)
        settings.tftOptions.bytes[option] = bytes[2 + option];
    return settings;
}
