#include "pages/tft_options_editor.h"

#include "settings/settings.h"

namespace {

struct PreviewNames {
    const wchar_t* base;       // for every unit, or for Fahrenheit when `celsius` is set
    const wchar_t* celsius;    // the temperature items' Celsius picture
};
constexpr PreviewNames kPreviewNames[8] = {
    {L"CTempF", L"CTempC"}, {L"CFreq", nullptr}, {L"CRpm", nullptr}, {L"CPower", nullptr},
    {L"GTempF", L"GTempC"}, {L"GFreq", nullptr}, {L"GRpm", nullptr}, {L"GPower", nullptr},
};

bool Landscape(std::uint8_t turn)
{
    return turn == 0 || turn == 2;
}

} // namespace

std::optional<std::wstring> PreviewPictureName(std::uint8_t item, std::uint8_t turn, std::uint8_t unit)
{
    if (item >= std::size(kPreviewNames))
        return std::nullopt;
    const PreviewNames& names = kPreviewNames[item];
    const wchar_t* base = names.base;
    if (names.celsius) {
        if (unit > 1)
            return std::nullopt;
        base = unit == 1 ? names.celsius : names.base;
    }
    return std::wstring(base) + (Landscape(turn) ? L"_H.png" : L"_V.png");
}

std::optional<PreviewPlace> PreviewPlaceFor(std::uint8_t turn)
{
    if (turn > 3)
        return std::nullopt;
    return Landscape(turn) ? PreviewPlace{470, 130} : PreviewPlace{500, 85};
}

std::optional<std::array<std::int32_t, 3>> SpeedLevelChecks(std::uint8_t speed)
{
    switch (speed) {
    case 0: return std::array<std::int32_t, 3>{1, 0, 0};
    case 1: return std::array<std::int32_t, 3>{1, 1, 0};
    case 2: return std::array<std::int32_t, 3>{1, 1, 1};
    default: return std::nullopt;
    }
}

std::uint8_t NextTurn(std::uint8_t turn)
{
    const std::uint8_t next = static_cast<std::uint8_t>(turn + 1);
    return next > 3 ? 0 : next;
}

CTftOptionsEditor::CTftOptionsEditor(IProfileFile& file, ITftOptionsReceiver& receiver)
    : m_File(file), m_Receiver(receiver)
{
}

void CTftOptionsEditor::Reset(const TftOptions& options, std::uint8_t unit)
{
    m_Options = options;
    m_nTempUnit = unit;
    SelectGroup(TftGroup::Cpu);
}

void CTftOptionsEditor::SetTemperatureUnit(std::uint8_t unit)
{
    m_nTempUnit = unit;
    ShowTemperaturePreview();
}

void CTftOptionsEditor::ShowTemperaturePreview()
{
    m_nPreviewItem = m_Group == TftGroup::Cpu ? kCpuTemperatureItem : kGpuTemperatureItem;
}

std::optional<std::wstring> CTftOptionsEditor::PreviewPicture() const
{
    return PreviewPictureName(m_nPreviewItem, m_Options[TFT_TURN], m_nTempUnit);
}

void CTftOptionsEditor::ToggleItem(std::size_t index)
{
    if (index >= kTftItemOptions.size())
        return;
    const TftOption option = kTftItemOptions[index];
    m_Options[option] = m_Options[option] == 0 ? 1 : 0;
    m_nPreviewItem = static_cast<std::uint8_t>(index);
    SaveOption(option);
}

void CTftOptionsEditor::ToggleMasterSwitch()
{
    m_Options[TFT_OPEN] = m_Options[TFT_OPEN] == 0 ? 1 : 0;
    SaveOption(TFT_OPEN);
    // The load items have no button here and keep their values.
    for (TftOption option : kTftItemOptions)
        m_Options[option] = m_Options[TFT_OPEN];
    for (TftOption option : kTftItemOptions)
        SaveOption(option);
}

void CTftOptionsEditor::SelectSpeed(std::uint8_t level)
{
    m_Options[TFT_SPEED] = level;
    SaveOption(TFT_SPEED);
}

bool CTftOptionsEditor::ToggleAnimation()
{
    const std::optional<std::uint8_t> toggled = ToggledSwitch(m_Options[TFT_ANIMATION]);
    if (!toggled)
        return false;
    m_Options[TFT_ANIMATION] = *toggled;
    SaveOption(TFT_ANIMATION);
    return true;
}

void CTftOptionsEditor::Turn()
{
    m_Options[TFT_TURN] = NextTurn(m_Options[TFT_TURN]);
    SaveOption(TFT_TURN);
}

void CTftOptionsEditor::SelectGroup(TftGroup group)
{
    m_Group = group;
    ShowTemperaturePreview();
}

void CTftOptionsEditor::SaveOption(TftOption option)
{
    // A failed write is not reported: the monitor page gets the options all the same.
    WriteSetting(m_File, TftOptionKey(option), m_Options[option]);
    m_Receiver.SetTftOptions(m_Options);
}
