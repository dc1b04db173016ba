// The program's only top-level window: borderless and skinned, it starts hidden in the tray, hosts
// the pages in one content area, and owns what outlives a page: the sensor hub and the settings.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "app/settings_owner.h"
#include "app/tray_icon.h"
#include "controls/button_ex.h"
#include "hardware/sensor_hub.h"
#include "pages/settings_popup.h"
#include "pages/tft_options_receiver.h"
#include "ui/dialog.h"
#include "ui/gdiplus_api.h"

class CHDInfoDlg;
class CHDMonDlg;
class CTftDlg;

// The message a second copy broadcasts so that the running copy shows itself.
UINT ActivationMessage();

class CCZelvaneDlg : public CDialog, public ISettingsPopupOwner, public ITftOptionsReceiver {
public:
    static constexpr int kWidth = 1049;
    static constexpr int kHeight = 600;
    static constexpr RECT kContentArea = {238, 96, 238 + 719, 96 + 419};

    CCZelvaneDlg();
    ~CCZelvaneDlg() override;

    // The settings popup's changes: 0 the temperature unit, 1 autostart.
    void ApplySetting(int which, std::uint8_t value) override;
    // The display page's options, for the monitor page's rotation.
    void SetTftOptions(const TftOptions& options) override;

    HICON m_hIcon = nullptr;
    GdiplusPtr<Gdiplus::Bitmap> m_pBackground;
    CRgn m_Region;
    std::wstring m_strExecutablePath;
    std::wstring m_strAppFolder;
    std::wstring m_strSkinPath;
    std::wstring m_strIniPath;
    std::unique_ptr<CSettingsOwner> m_pSettings;
    CSensorHub m_Hub;
    CButtonEx m_btnReconnect;
    CButtonEx m_btnClose;
    CButtonEx m_btnMinimize;
    CButtonEx m_btnSettings;
    CButtonEx m_btnMonitor;
    CButtonEx m_btnInfo;
    CButtonEx m_btnTft;
    std::unique_ptr<CHDMonDlg> m_pMonitorPage;
    std::unique_ptr<CHDInfoDlg> m_pInfoPage;
    std::unique_ptr<CTftDlg> m_pTftPage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool PreTranslateMessage(MSG& msg) override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC hDC) override;
    HCURSOR OnQueryDragIcon() override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;
    BOOL OnDeviceChange(UINT event, DWORD_PTR data) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnDestroy() override;

private:
    void BuildPaths();
    void RegisterDeviceWatch();
    void SetupButtons();
    void CreatePages();
    void ShowPage(UINT buttonId);
    void OpenSettingsPopup();
    void ReconnectDisplay();
    void HideToTray();
    void RemoveTrayIcon();
    void RestoreWindow();
    void OnTrayNotify(LPARAM mouseEvent);
    void OnActivate();

    CTrayIcon m_TrayIcon;
};
