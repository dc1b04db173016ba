// The settings file: one section, sixteen keys, each an unsigned byte written as "%d".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/profile_file.h"
#include "device/tft_options.h"

struct SettingKey {
    const wchar_t* name;
    std::uint8_t firstRunValue;
};

constexpr const wchar_t* kSettingsFileName = L"Setting.ini";
constexpr const wchar_t* kSettingsSection = L"ZELVANE SETTINGS";
constexpr const wchar_t* kTemperatureKey = L"TEMPERATURE";
constexpr const wchar_t* kAutoStartKey = L"ATUO START";

// The two general settings, as the settings popup names them to the main window's ApplySetting.
constexpr int kTemperatureUnitSetting = 0;
constexpr int kAutoStartSetting = 1;

// In the order the first run writes them and the start-up reads them: the temperature unit,
// autostart, then the display options in TftOptions order.
constexpr std::array<SettingKey, 2 + kTftOptionCount> kSettingKeys = {{
    {kTemperatureKey, 1}, {kAutoStartKey, 1}, {L"TFT_CTEMP", 1},  {L"TFT_CFREQ", 1},  {L"TFT_CTRPM", 1},
    {L"TFT_CPOWER", 1},   {L"TFT_CLOAD", 1},  {L"TFT_GTEMP", 1},  {L"TFT_GFREQ", 1},  {L"TFT_GTRPM", 1},
    {L"TFT_GPOWER", 1},   {L"TFT_GLOAD", 1},  {L"TFT_OPEN", 1},   {L"TFT_SPEED", 0},  {L"TFT_ANIMATION", 1},
    {L"TFT_TURN", 0},
}};

// The settings key of one display option.
constexpr const wchar_t* TftOptionKey(TftOption option)
{
    return kSettingKeys[2 + option].name;
}

struct Settings {
    std::uint8_t tempUnit = 0;  // 1 Celsius, 0 Fahrenheit
    std::uint8_t autoStart = 0; // 1 on, 0 off
    TftOptions tftOptions;
};

// wcstol's rules in base 10 (leading white space, an optional sign, digits up to the first other
// character, none giving 0), then the low 8 bits: "  12abc" is 12, "x" 0, "300" 44, "-1" 255.
std::uint8_t ParseSettingByte(const std::wstring& text);

// Reads one key of the section.
std::uint8_t ReadSetting(const IProfileFile& file, const wchar_t* key);
// Writes one key as "%d" of the byte.
bool WriteSetting(IProfileFile& file, const wchar_t* key, std::uint8_t value);

// Reads the sixteen keys; a missing key reads as 0 and the file is not repaired. When the file
// does not exist, writes every key with its first-run value instead and returns those values.
Settings LoadSettings(IProfileFile& file, bool& firstRun);
