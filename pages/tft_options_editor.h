// The display page's rules, free of windows: what each click does to the display options, which
// preview picture and place follow from them, and how the speed buttons light. Every key written
// to the settings file (one per change, nine for the master switch) is followed by the whole record
// going to the receiver, the monitor page's rotation.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "device/tft_options.h"
#include "pages/switch_toggle.h"
#include "pages/tft_options_receiver.h"
#include "settings/profile_file.h"

// The eight readings the item buttons switch, in button order (1014 to 1021); the index is also
// the preview item.
constexpr std::array<TftOption, 8> kTftItemOptions = {TFT_CTEMP, TFT_CFREQ,  TFT_CTRPM, TFT_CPOWER,
                                                      TFT_GTEMP, TFT_GFREQ, TFT_GTRPM, TFT_GPOWER};
constexpr std::uint8_t kCpuTemperatureItem = 0;
constexpr std::uint8_t kGpuTemperatureItem = 4;

enum class TftGroup : std::uint8_t { Cpu = 0, Gpu = 1 };

struct PreviewPlace {
    int x, y;
    friend bool operator==(const PreviewPlace&, const PreviewPlace&) = default;
};

// The preview picture's file name for an item (0..7), an orientation step and a unit (0
// Fahrenheit, 1 Celsius; only the temperature items depend on it). Orientations 0 and 2 are
// landscape, every other value portrait. None for an item outside 0..7 or a temperature item with
// a unit other than 0 or 1.
std::optional<std::wstring> PreviewPictureName(std::uint8_t item, std::uint8_t turn, std::uint8_t unit);
// Landscape previews sit at (470, 130), portrait ones at (500, 85); none for a step outside 0..3.
std::optional<PreviewPlace> PreviewPlaceFor(std::uint8_t turn);
// Which of the three speed buttons are lit (m_nCheck) for a speed level; none outside 0..2.
std::optional<std::array<std::int32_t, 3>> SpeedLevelChecks(std::uint8_t speed);
// The orientation after a click on turn: 0, 1, 2, 3, then 0 again (anything above 3 also gives 0).
std::uint8_t NextTurn(std::uint8_t turn);

class CTftOptionsEditor {
public:
    CTftOptionsEditor(IProfileFile& file, ITftOptionsReceiver& receiver);

    // The stored values; the page then shows the CPU group with the CPU temperature preview.
    void Reset(const TftOptions& options, std::uint8_t unit);
    // The unit changed on the settings popup: the group's temperature preview in the new unit.
    void SetTemperatureUnit(std::uint8_t unit);

    // The clicks. Item buttons by index 0..7 (1014 to 1021): the item flips (0 becomes 1, anything
    // else 0) and becomes the preview.
    void ToggleItem(std::size_t index);
    // The master switch flips and copies itself to the eight items: nine keys, its own first.
    void ToggleMasterSwitch();
    void SelectSpeed(std::uint8_t level);
    // False when the stored value is neither 0 nor 1: the click does nothing.
    bool ToggleAnimation();
    void Turn();
    void SelectGroup(TftGroup group);

    const TftOptions& Options() const { return m_Options; }
    std::uint8_t TempUnit() const { return m_nTempUnit; }
    std::uint8_t PreviewItem() const { return m_nPreviewItem; }
    TftGroup Group() const { return m_Group; }
    // The preview's picture for the current item, orientation and unit (see PreviewPictureName).
    std::optional<std::wstring> PreviewPicture() const;

private:
    void ShowTemperaturePreview();
    void SaveOption(TftOption option);

    IProfileFile& m_File;
    ITftOptionsReceiver& m_Receiver;
    TftOptions m_Options;
    std::uint8_t m_nTempUnit = 1;
    std::uint8_t m_nPreviewItem = kCpuTemperatureItem;
    TftGroup m_Group = TftGroup::Cpu;
};
