// The display configuration page: which readings take part in the display device's rotation, the
// master switch, the rotation speed, the animation switch and the orientation, with a preview of
// the selected reading. Every change is written to the settings file at once and handed to the
// monitor page (through the parent window, see tft_options_receiver.h). UI thread only.
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
#include "ui/dialog.h"
#include "ui/gdiplus_api.h"

class CTftDlg : public CDialog, public ITemperatureUnitListener {
public:
    static constexpr int kWidth = 719;
    static constexpr int kHeight = 419;
    static constexpr UINT kFirstButton = 1014; // the 16 buttons are 1014 to 1029
    using ProfileFileOpener = std::function<std::unique_ptr<IProfileFile>(const std::wstring& path)>;

    // Creates the page's window, hidden, as a child of the main window, which must implement
    // ITftOptionsReceiver to pass the options on to its monitor page. The settings file is the
    // system's unless a test brings its own.
    explicit CTftDlg(CWnd* parent, ProfileFileOpener openFile = OpenProfileFile);
    ~CTftDlg() override;

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
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC hDC) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    // Hands the options to the parent window's monitor page.
    class ParentReceiver final : public ITftOptionsReceiver {
    public:
        explicit ParentReceiver(const CWnd& page) : m_Page(page) {}
        void SetTftOptions(const TftOptions& options) override;

    private:
        const CWnd& m_Page;
    };

    CButtonEx& ButtonAt(UINT id) { return m_Buttons[id - kFirstButton]; }
    std::wstring SkinFile(const wchar_t* name) const { return m_strSkinPath + name; }
    void RefreshControls();
    // The deferred RefreshControls, before the page shows or handles a click.
    void RefreshControlsIfPending();
    void ShowCheck(UINT id, std::uint8_t value);
    void ShowSpeedLevel();
    void ShowAnimation();
    void SelectGroup(TftGroup group);
    void ShowGroup(TftGroup group);
    void ShowItemPreview();
    void PlacePreview();
    void OnItemClicked(std::size_t index);
    void OnMasterSwitch();

    GdiplusPtr<Gdiplus::Bitmap> m_pBackground;
    CRgn m_Region;
    std::wstring m_strIniPath;
    std::wstring m_strSkinPath;
    ProfileFileOpener m_OpenFile;
    std::unique_ptr<IProfileFile> m_pFile;
    ParentReceiver m_MonitorPage{*this};
    std::unique_ptr<CTftOptionsEditor> m_pEditor; // from SetOptions on
    bool m_bRefreshPending = false;
    std::array<CButtonEx, 16> m_Buttons;
    CImageEx m_Preview;
    CImageEx m_CpuPicture;
    CImageEx m_GpuPicture;
};
