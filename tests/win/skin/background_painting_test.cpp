// Background pictures painted at their natural size from the top-left corner, and erasing that
// reports success without touching a pixel.
#include <gtest/gtest.h>

#include "skin/background_painting.h"
#include "skin/png_resource.h"
#include "skin_test_resources.h"
#include "ui/client_dc.h"
#include "ui/gdi_object.h"
#include "ui/memory_dc.h"
#include "ui/wnd.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);

void Fill(HDC hDC, int width, int height, COLORREF color)
{
    CBrush brush(CreateSolidBrush(color));
    RECT all{0, 0, width, height};
    FillRect(hDC, &all, brush.Get());
}

GdiplusPtr<Gdiplus::Bitmap> EdgePicture()
{
    GdiplusPtr<Gdiplus::Bitmap> picture;
    LoadPngResource(nullptr, IDR_EDGE_ALPHA_PNG, picture);
    return picture;
}

TEST(BackgroundPainting, DrawsTheWholePictureAtItsNaturalSizeFromTheOrigin)
{
    GdiplusPtr<Gdiplus::Bitmap> picture = EdgePicture();
    ASSERT_NE(picture, nullptr);
    CMemoryDC dc(12, 9); // larger than the 8 x 6 picture
    Fill(dc.Get(), 12, 9, kGreen);
    DrawBackground(dc.Get(), picture.get());
    GdiFlush();
    const auto rgb = [&](int x, int y) { return dc.Pixel(x, y) & 0xFFFFFF; };
    EXPECT_EQ(rgb(1, 1), 0x0000FFu) << "opaque blue";
    EXPECT_EQ(rgb(6, 4), 0x0000FFu);
    EXPECT_EQ(rgb(3, 2), 0x00FF00u) << "transparent: the green beneath";
    EXPECT_GE(rgb(7, 5) >> 16, 0xF0u) << "alpha-254 red, blended";
    EXPECT_EQ(rgb(8, 0), 0x00FF00u) << "nothing right of the picture";
    EXPECT_EQ(rgb(0, 6), 0x00FF00u) << "nothing below the picture";
    EXPECT_EQ(rgb(11, 8), 0x00FF00u);
}

TEST(BackgroundPainting, NoPictureDrawsNothing)
{
    CMemoryDC dc(4, 4);
    Fill(dc.Get(), 4, 4, kGreen);
    DrawBackground(dc.Get(), nullptr);
    GdiFlush();
    EXPECT_EQ(dc.Pixel(0, 0) & 0xFFFFFF, 0x00FF00u);
}

// A skinned window as the pages are: paints its picture and skips erasing.
class CSkinnedWnd : public CWnd {
public:
    Gdiplus::Bitmap* m_pPicture = nullptr;

    BOOL EraseBackground(HDC hDC) { return OnEraseBkgnd(hDC); }

protected:
    void OnPaint() override { PaintBackground(GetSafeHwnd(), m_pPicture); }
    BOOL OnEraseBkgnd(HDC hDC) override { return SkipBackgroundErase(hDC); }
};

TEST(BackgroundPainting, SkinnedWindowPaintsItsPictureAndErasesNothing)
{
    GdiplusPtr<Gdiplus::Bitmap> picture = EdgePicture();
    ASSERT_NE(picture, nullptr);
    CSkinnedWnd window;
    window.m_pPicture = picture.get();
    ASSERT_TRUE(window.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, nullptr, L"skinned", WS_POPUP | WS_VISIBLE,
                                RECT{40, 40, 60, 60}, nullptr, 0));
    window.Invalidate(true);
    window.UpdateWindow();
    {
        CClientDC dc(window.GetSafeHwnd());
        EXPECT_EQ(GetPixel(dc.Get(), 2, 2), RGB(0, 0, 255));
    }

    CMemoryDC erased(4, 4);
    Fill(erased.Get(), 4, 4, kGreen);
    EXPECT_TRUE(window.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.Get())));
    GdiFlush();
    EXPECT_EQ(erased.Pixel(1, 1) & 0xFFFFFF, 0x00FF00u) << "erasing drew nothing";
    window.DestroyWindow();
}

} // namespace
