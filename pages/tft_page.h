// The display configuration page: which readings take part in the display device's rotation, the
// master switch, the rotation speed, the animation switch and the orientation, with a preview of
// the selected reading. Every change is written to the settings file at once and handed on to the
// monitor page's rotation. UI thread only.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/button_ex.h"
#include "controls/image_ex.h"
#include "pages/temperature_unit_listener.h"
#include "pages/tft_options_editor.h"
#include "pages/skinned_page.h"

class CTftDlg : public CSkinnedPage, public ITemperatureUnitListener {
public:
    static constexpr UINT kFirstButton = 1014; // the 16 buttons are 1014 to 1029
    using ProfileFileOpener = std::function<std::unique_ptr<IProfileFile>(const std::wstring& path)>;

    // Creates the page's window, hidden, as a child of the main window. `receiver` takes every
    // change of the options on to the monitor page (the main window does). The settings file is
    // the system's unless a test brings its own.
    CTftDlg(CWnd* parent, ITftOptionsReceiver& receiver, ProfileFileOpener openFile = OpenProfileFile);

    // The Resources folder, the settings file, and the values read from it at start. The controls
    // take their pictures and states now if the page is shown, else when it is first shown: the
    // page usually stays hidden, and its fifty-odd pictures would only lengthen the start.
    void SetOptions(const std::wstring& skinPath, const std::wstring& iniPath, std::uint8_t tempUnit,
                    const TftOptions& options);
    // The unit changed on the settings popup: the preview shows the group's temperature in it.
    void SetTemperatureUnit(std::uint8_t unit) override;

    const TftOptions* Options() const { return m_pEditor ? &m_pEditor->Options() : nullptr; }
    const CButtonEx& Button(UINT id) const { return m_Buttons[id - kFirstButton]; }
    const CImageEx& Preview() const { return m_Preview; }
    const CImageEx& CpuPicture() const { return m_CpuPicture; }
    const CImageEx& GpuPicture() const { return m_GpuPicture; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool PreTranslateMessage(MSG& msg) override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CButtonEx& ButtonAt(UINT id) { return m_Buttons[id - kFirstButton]; }
    std::wstring SkinFile(const wchar_t* name) const { return m_strSkinPath + name; }
    void RefreshControls();
    // The deferred RefreshControls, before the page shows or handles a click.
    void RefreshControlsIfPending();
    void ShowCheck(UINT id, std::uint8_t value);
    void ShowSpeedLevel();
    void ShowAnimation();
    // A tab click: the group's tabs, controls and preview change in one repaint.
    void SelectGroup(TftGroup group);
    void ShowGroupTabs(TftGroup group);
    void ShowGroup(TftGroup group);
    void ShowItemPreview();
    void PlacePreview();
    void OnItemClicked(std::size_t index);
    void OnMasterSwitch();

    std::wstring m_strIniPath;
    std::wstring m_strSkinPath;
    ProfileFileOpener m_OpenFile;
    std::unique_ptr<IProfileFile> m_pFile;
    ITftOptionsReceiver& m_Receiver;
    std::unique_ptr<CTftOptionsEditor> m_pEditor; // from SetOptions on
    bool m_bRefreshPending = false;
    std::array<CButtonEx, 16> m_Buttons;
    CImageEx m_Preview;
    CImageEx m_CpuPicture;
    CImageEx m_GpuPicture;
};
