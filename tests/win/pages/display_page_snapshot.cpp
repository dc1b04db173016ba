// The display configuration page as it would show, on the program's own pictures: above, the
// first-run options (CPU group, landscape, Celsius); below, a page after clicks (GPU group, GPU
// clock off, speed level 2, portrait, Fahrenheit). The page's navigation button stays hidden in the
// program, so this is where the page can be looked at. Writes a PNG file: the first argument, else
// display_page.png. Needs a screen of at least 719 x 848.
#include <windows.h>

#include <cstdio>
#include <string>

#include "pages/tft_page.h"
#include "window_snapshot.h"
#include "res/resource.h"
#include "temporary_directory.h"
#include "ui/gdiplus_session.h"

namespace {

const std::wstring kResources = L"" RESOURCES_DIR;
constexpr int kPageWidth = CTftDlg::kWidth;
constexpr int kPageHeight = CTftDlg::kHeight;
constexpr int kGap = 10;

// Stands in for the main window: hosts the pages and takes their options.
class CHostWnd final : public CWnd, public ITftOptionsReceiver {
public:
    void SetTftOptions(const TftOptions&) override {}

protected:
    BOOL OnEraseBkgnd(HDC hDC) override
    {
        const RECT client = GetClientRect();
        FillRect(hDC, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return TRUE;
    }
};


void Click(CTftDlg& page, UINT id)
{
    SendMessageW(page.GetDlgItem(static_cast<int>(id)), BM_CLICK, 0, 0);
}


} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring output = argc > 1 ? argv[1] : L"display_page.png";
    const CGdiplusSession gdiplus;
    if (!gdiplus.IsStarted())
        return 1;
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);

    const TemporaryDirectory directory;
    const std::string ini = directory.Path("Setting.ini");
    const std::wstring iniPath(ini.begin(), ini.end());
    TftOptions firstRun;
    firstRun.bytes = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0};

    CHostWnd host;
    if (!host.CreateEx(0, nullptr, L"display page", WS_POPUP, RECT{0, 0, kPageWidth, 2 * kPageHeight + kGap}, nullptr, 0))
        return 1;
    bool saved = false;
    {
        CTftDlg first(&host, host);
        CTftDlg changed(&host, host);
        first.SetOptions(kResources, iniPath, 1, firstRun);
        changed.SetOptions(kResources, iniPath, 1, firstRun);
        first.MoveWindow(0, 0, kPageWidth, kPageHeight);
        changed.MoveWindow(0, kPageHeight + kGap, kPageWidth, kPageHeight);
        first.ShowWindow(SW_SHOW);
        changed.ShowWindow(SW_SHOW);
        host.ShowWindow(SW_SHOW);
        Settle(300);

        Click(changed, IDC_TFT_GPU_TAB);
        Click(changed, IDC_TFT_GPU_CLOCK);
        Click(changed, IDC_TFT_SPEED2);
        Click(changed, IDC_TFT_TURN);
        changed.SetTemperatureUnit(0);
        Settle(300);
        saved = SaveWindowScreenshot(host.GetSafeHwnd(), output);
    }
    host.DestroyWindow();
    if (!saved) {
        std::fprintf(stderr, "could not write %ls\n", output.c_str());
        return 1;
    }
    return 0;
}
