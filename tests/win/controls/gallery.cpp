// The skinned controls in their states, on the program's own pictures: the main window's background
// with its caption and navigation buttons (normal, hover, held down, selected), the monitor page in
// it with a gauge in Celsius and one in Fahrenheit, eight bars at different fills with their labels,
// and a legend below. Writes a screenshot of the window as a PNG file: the first argument, else
// gallery.png. Needs a screen of at least 1049 x 640.
#include <windows.h>

#include <array>
#include <cstdio>
#include <string>

#include "controls/button_ex.h"
#include "controls/button_pictures.h"
#include "controls/slider_ex.h"
#include "controls/static_ex.h"
#include "controls/static_progress.h"
#include "skin/background_painting.h"
#include "ui/gdi_object.h"
#include "ui/gdiplus_session.h"
#include "ui/paint_dc.h"
#include "window_snapshot.h"

namespace {

const std::wstring kResources = L"" SKIN_SOURCE_DIR "/Resources/";
const std::wstring kSkinFamily = L"\u601D\u6E90\u9ED1\u4F53"; // 思源黑体

constexpr int kWindowWidth = 1049;
constexpr int kWindowHeight = 600;
constexpr int kLegendHeight = 40;
constexpr COLORREF kLegendColour = RGB(14, 17, 22);

// A skinned window: its picture at its natural size, nothing erased; below the picture, if the
// window is taller, the legend strip.
class CPictureWnd : public CWnd {
public:
    explicit CPictureWnd(const wchar_t* file) : m_pPicture(Gdiplus::Bitmap::FromFile(file)) {}

protected:
    void OnPaint() override
    {
        const CPaintDC paint(GetSafeHwnd());
        const RECT client = GetClientRect();
        const RECT legend{0, kWindowHeight, client.right, client.bottom};
        const CBrush fill(CreateSolidBrush(kLegendColour));
        FillRect(paint.Get(), &legend, fill.Get());
        DrawBackground(paint.Get(), m_pPicture.get());
    }
    BOOL OnEraseBkgnd(HDC hDC) override { return SkipBackgroundErase(hDC); }

private:
    GdiplusPtr<Gdiplus::Bitmap> m_pPicture;
};

struct BarReading {
    int x, y, max, value;
    const wchar_t* text;
};

// The monitor page's layout with the sample readings of the skin's previews.
constexpr std::array<BarReading, 8> kBars{{
    {25, 230, 100, 57, L"57 %"},
    {25, 275, 5000, 3599, L"3600 MHz"},
    {25, 320, 5000, 1250, L"1250 RPM"},
    {25, 365, 1000, 65, L"65 W"},
    {425, 230, 100, 100, L"100 %"},
    {425, 275, 5000, 1850, L"1850 MHz"},
    {425, 320, 5000, 1480, L"1480 RPM"},
    {425, 365, 1000, 143, L"143 W"},
}};
constexpr std::array<POINT, 8> kLabels{{{200, 244}, {200, 290}, {200, 335}, {200, 383},
                                        {600, 244}, {600, 290}, {600, 335}, {600, 383}}};

struct ButtonPlace {
    const wchar_t* base;
    int x, y;
};
constexpr std::array<ButtonPlace, 5> kButtons{{
    {L"Set", 945, 20}, {L"Min", 975, 20}, {L"Close", 1005, 20}, {L"HD_Mon", 35, 95}, {L"HD_Info", 35, 185},
}};
enum { kSet, kMin, kClose, kMonitor, kInformation };

class CGallery {
public:
    bool Create()
    {
        const RECT whole{0, 0, kWindowWidth, kWindowHeight + kLegendHeight};
        if (!m_window.CreateEx(WS_EX_TOOLWINDOW, nullptr, L"Zelvane controls", WS_POPUP, whole, nullptr, 0))
            return false;
        if (!m_page.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, RECT{238, 96, 238 + 719, 96 + 419},
                             m_window.GetSafeHwnd(), 1))
            return false;
        UINT id = 1000;
        for (std::size_t i = 0; i < kButtons.size(); ++i) {
            if (!CreateControl(m_buttons[i], L"BUTTON", BS_PUSHBUTTON, m_window, id++))
                return false;
        }
        for (CSliderEx& bar : m_bars) {
            if (!CreateControl(bar, L"STATIC", SS_LEFT, m_page, id++))
                return false;
        }
        for (CStaticEx& label : m_labels) {
            if (!CreateControl(label, L"STATIC", SS_LEFT, m_page, id++))
                return false;
        }
        for (CStaticProgress& gauge : m_gauges) {
            if (!CreateControl(gauge, L"STATIC", SS_LEFT, m_page, id++))
                return false;
        }
        return CreateControl(m_legend, L"STATIC", SS_LEFT, m_window, id);
    }

    // What the main window and the monitor page do with their controls.
    void Lay()
    {
        for (std::size_t i = 0; i < kButtons.size(); ++i) {
            const ButtonPictureFiles files = ButtonPicturesFromBase(kResources, kButtons[i].base);
            m_buttons[i].m_nPosX = kButtons[i].x;
            m_buttons[i].m_nPosY = kButtons[i].y;
            m_buttons[i].LoadImages(files.normal, files.pressed, files.hover);
        }
        m_buttons[kMonitor].m_bSelected = true; // the page shown

        for (std::size_t i = 0; i < kBars.size(); ++i) {
            CSliderEx& bar = m_bars[i];
            bar.m_nPosX = kBars[i].x;
            bar.m_nPosY = kBars[i].y;
            bar.m_nMin = 0;
            bar.m_nMax = kBars[i].max;
            bar.LoadImages(kResources + L"Slider.png", kResources + L"Slider_H.png");
        }
        for (std::size_t i = 0; i < kLabels.size(); ++i)
            LayLabel(m_labels[i], kLabels[i].x, kLabels[i].y, 90, 25, 0xFFFFFFFF);
        const int gaugeX[] = {70, 470};
        for (std::size_t i = 0; i < m_gauges.size(); ++i) {
            m_gauges[i].SetFonts(kSkinFamily);
            m_gauges[i].m_nPosX = gaugeX[i];
            m_gauges[i].m_nPosY = 18;
            m_gauges[i].LoadBackground(kResources + L"Progress.png");
        }
        LayLabel(m_legend, 24, kWindowHeight + 8, kWindowWidth - 48, 25, 0xFF8C96A8);
        m_legend.m_nAlign = 0;
    }

    // One monitor cycle's worth of readings.
    void ShowReadings()
    {
        for (std::size_t i = 0; i < kBars.size(); ++i) {
            m_bars[i].ShowValue(kBars[i].value);
            m_labels[i].SetText(kBars[i].text);
        }
        m_gauges[0].SetValue(0, 45, 1);
        m_gauges[1].SetValue(1, 58, 0);
        m_legend.SetText(L"Set normal \u00B7 Min held down \u00B7 Close hover \u00B7 Monitor selected \u00B7 Hardware normal"
                         L"  \u2014  CPU 45 \u00B0C, GPU 58 \u00B0C shown in \u00B0F");
    }

    // As the program does, the window shows once it is laid out: the labels keep the pixels that
    // their parent has painted beneath them when they are first drawn.
    void Show() { m_window.ShowWindow(SW_SHOWNOACTIVATE); }

    // The states that need a painted button: looks are composed at the first paint.
    void PressAndHover()
    {
        m_buttons[kMin].SendMessage(BM_SETSTATE, TRUE);
        m_buttons[kClose].SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    }

    HWND Window() const { return m_window.GetSafeHwnd(); }

private:
    static bool CreateControl(CWnd& control, const wchar_t* className, DWORD style, CWnd& parent, UINT id)
    {
        return control.CreateEx(0, className, L"", WS_CHILD | WS_VISIBLE | style, RECT{0, 0, 1, 1}, parent.GetSafeHwnd(),
                                id);
    }
    static void LayLabel(CStaticEx& label, int x, int y, int width, int height, Gdiplus::ARGB colour)
    {
        label.m_pTextBrush = std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(colour));
        label.SetTextFont(kSkinFamily, 11.0f);
        label.MoveWindow(x, y, width, height);
        label.m_nWidth = width;
        label.m_nHeight = height;
    }

    CPictureWnd m_window{L"" SKIN_SOURCE_DIR "/skin/main_background.png"};
    CPictureWnd m_page{L"" SKIN_SOURCE_DIR "/skin/monitor_background.png"};
    std::array<CButtonEx, kButtons.size()> m_buttons;
    std::array<CSliderEx, 8> m_bars;
    std::array<CStaticEx, 8> m_labels;
    std::array<CStaticProgress, 2> m_gauges;
    CStaticEx m_legend;
};



} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring output = argc > 1 ? argv[1] : L"gallery.png";
    const CGdiplusSession gdiplus;
    if (!gdiplus.IsStarted())
        return 1;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (screenWidth < kWindowWidth || screenHeight < kWindowHeight + kLegendHeight) {
        std::fprintf(stderr, "the screen (%d x %d) is too small for the gallery\n", screenWidth, screenHeight);
        return 2;
    }
    SetCursorPos(screenWidth - 1, screenHeight - 1); // no hover but the one asked for

    bool saved = false;
    {
        CGallery gallery;
        if (!gallery.Create())
            return 1;
        gallery.Lay();
        gallery.ShowReadings();
        gallery.Show();
        Settle(300);
        gallery.PressAndHover();
        Settle(200);
        saved = SaveWindowScreenshot(gallery.Window(), output);
        DestroyWindow(gallery.Window());
    }
    if (!saved) {
        std::fprintf(stderr, "could not write %ls\n", output.c_str());
        return 1;
    }
    std::printf("wrote %ls\n", output.c_str());
    return 0;
}
