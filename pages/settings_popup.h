// The settings popup: a small skinned window that drops down below the main window's settings
// button with the temperature unit (Fahrenheit, Celsius), the autostart switch and the Version
// button. Each click takes effect at once through the owner's ApplySetting. It closes once the
// cursor is outside it. UI thread only.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "controls/button_ex.h"
#include "settings/settings.h"
#include "ui/dialog.h"
#include "ui/gdiplus_api.h"

// The window that opens the popup and keeps the settings (the main window).
class ISettingsPopupOwner {
public:
    virtual ~ISettingsPopupOwner() = default;
    // kTemperatureUnitSetting (0 Fahrenheit, 1 Celsius) or kAutoStartSetting (0 off, 1 on).
    virtual void ApplySetting(int which, std::uint8_t value) = 0;
};

class CSettingDlg : public CDialog {
public:
    static constexpr int kWidth = 82;
    static constexpr int kHeight = 101;
    // The system timer message whose cursor position the filter checks.
    static constexpr UINT kSystemTimerMessage = 0x118;
    // The popup's own cursor check, for systems that send it no system timer message.
    static constexpr UINT_PTR kCursorTimer = 1;
    static constexpr UINT kCursorCheckMs = 250;

    // `place`: where the popup goes, in screen coordinates. `anchor`: the button that opened it;
    // the popup's own cursor check leaves it open while the cursor is still on that button.
    CSettingDlg(CWnd* owner, ISettingsPopupOwner& settingsOwner, const RECT& place,
                std::optional<RECT> anchor = std::nullopt);
    ~CSettingDlg() override;

    void SetState(const std::wstring& skinPath, std::uint8_t tempUnit, std::uint8_t autoStart);

    const CButtonEx& Button(UINT id) const { return m_Buttons[id - kFirstButton]; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool PreTranslateMessage(MSG& msg) override;
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC hDC) override;

private:
    static constexpr UINT kFirstButton = 1005;

    CButtonEx& ButtonAt(UINT id) { return m_Buttons[id - kFirstButton]; }
    void SetupButtons();
    void ShowUnitState();
    void SetUnit(std::uint8_t unit);
    void ToggleAutoStart();
    bool CursorOutside(POINT cursor) const;

    std::wstring m_strSkinPath;
    std::uint8_t m_nTempUnit = 1;
    std::uint8_t m_bAutoStart = 0;
    RECT m_rcPlace;
    std::optional<RECT> m_rcAnchor;
    GdiplusPtr<Gdiplus::Bitmap> m_pBackground;
    CRgn m_Region;
    // 1005 Fahrenheit, 1006 Celsius, 1007 autostart, 1008 Version, 1009 to 1011 hidden.
    std::array<CButtonEx, 7> m_Buttons;
    ISettingsPopupOwner& m_Owner;
};
