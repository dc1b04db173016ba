// The page the controls are tested on: a top-level dialog from the test template with one skinned
// control of each kind, painted with a checkerboard of two colours so that the parent's pixel
// beneath any point of a control is known (PageColour), and the means to read back what the screen
// shows there.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "controls/button_ex.h"
#include "controls/image_ex.h"
#include "controls/slider_ex.h"
#include "controls/static_ex.h"
#include "controls/static_progress.h"
#include "controls_test_resources.h"
#include "message_helpers.h"
#include "ui/client_dc.h"
#include "ui/dialog.h"
#include "ui/memory_dc.h"
#include "ui/paint_dc.h"

// Pixels as a 32-bit DIB holds them: 0xRRGGBB.
constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return (r << 16) | (g << 8) | b;
}

// Every channel within `tolerance` (anti-aliased edges, rounding in blending).
inline bool IsNear(std::uint32_t actual, std::uint32_t expected, int tolerance = 3)
{
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF);
        const int e = static_cast<int>((expected >> shift) & 0xFF);
        if (a - e > tolerance || e - a > tolerance)
            return false;
    }
    return true;
}

inline bool IsWhitish(std::uint32_t pixel)
{
    return ((pixel >> 16) & 0xFF) > 200 && ((pixel >> 8) & 0xFF) > 200 && (pixel & 0xFF) > 200;
}

constexpr std::uint32_t kPageLight = Rgb(200, 160, 40);
constexpr std::uint32_t kPageDark = Rgb(40, 80, 120);

// The page's own picture: 4 x 4 squares.
inline std::uint32_t PageColour(int x, int y)
{
    return (x / 4 + y / 4) % 2 == 0 ? kPageLight : kPageDark;
}

constexpr int kPageWidth = 440;
constexpr int kPageHeight = 280;
// Where the controls sit in the page's client area.
constexpr POINT kButtonAt{20, 20};
constexpr POINT kBarAt{20, 80};
constexpr POINT kLabelAt{150, 20};
constexpr SIZE kLabelSize{90, 25};
constexpr POINT kImageAt{150, 80};
constexpr POINT kGaugeAt{240, 70};

class CTestPage : public CDialog {
public:
    CTestPage() : m_pattern(kPageWidth, kPageHeight)
    {
        for (int y = 0; y < kPageHeight; ++y) {
            for (int x = 0; x < kPageWidth; ++x)
                m_pattern.Pixels()[y * kPageWidth + x] = PageColour(x, y);
        }
        m_button.m_nPosX = kButtonAt.x;
        m_button.m_nPosY = kButtonAt.y;
        m_bar.m_nPosX = kBarAt.x;
        m_bar.m_nPosY = kBarAt.y;
        m_gauge.m_nPosX = kGaugeAt.x;
        m_gauge.m_nPosY = kGaugeAt.y;
    }

    // Away from the corner where the other tests' windows appear, within the 1024 x 768 screen that
    // Wine reports on the virtual display.
    bool Create()
    {
        return CDialog::Create(IDD_CONTROLS_PAGE, nullptr) &&
               SetWindowPos(nullptr, 560, 460, kPageWidth, kPageHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // Paints the page and then every control, now.
    void Redraw()
    {
        RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpPending();
    }

    // The page's client area as the screen shows it, controls included.
    std::unique_ptr<CMemoryDC> Capture() const
    {
        auto shot = std::make_unique<CMemoryDC>(kPageWidth, kPageHeight);
        const CClientDC screen(GetSafeHwnd());
        BitBlt(shot->Get(), 0, 0, kPageWidth, kPageHeight, screen.Get(), 0, 0, SRCCOPY);
        GdiFlush();
        return shot;
    }
    std::uint32_t PixelAt(int x, int y) const { return Capture()->Pixel(x, y) & 0xFFFFFF; }

    CButtonEx m_button;
    CSliderEx m_bar;
    CStaticEx m_label;
    CStaticProgress m_gauge;
    CImageEx m_image;
    std::vector<std::pair<UINT, UINT>> m_commands; // (control id, notification) as they came

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TEST_BUTTON, m_button);
        DDX_Control(pDX, IDC_TEST_BAR, m_bar);
        DDX_Control(pDX, IDC_TEST_LABEL, m_label);
        DDX_Control(pDX, IDC_TEST_GAUGE, m_gauge);
        DDX_Control(pDX, IDC_TEST_IMAGE, m_image);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        // Controls without pictures draw nothing of their own; keep them apart all the same.
        m_button.MoveWindow(kButtonAt.x, kButtonAt.y, 40, 30);
        m_bar.MoveWindow(kBarAt.x, kBarAt.y, 100, 10);
        m_label.MoveWindow(kLabelAt.x, kLabelAt.y, kLabelSize.cx, kLabelSize.cy);
        m_image.MoveWindow(kImageAt.x, kImageAt.y, 60, 40);
        m_gauge.MoveWindow(kGaugeAt.x, kGaugeAt.y, 190, 190);
        return TRUE;
    }
    void OnPaint() override
    {
        const CPaintDC paint(GetSafeHwnd());
        BitBlt(paint.Get(), 0, 0, kPageWidth, kPageHeight, m_pattern.Get(), 0, 0, SRCCOPY);
    }
    BOOL OnEraseBkgnd(HDC) override { return TRUE; }
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override
    {
        m_commands.emplace_back(id, notifyCode);
        return CDialog::OnCommand(id, notifyCode, control);
    }
    void OnOK() override {}
    void OnCancel() override {}

private:
    CMemoryDC m_pattern;
};
