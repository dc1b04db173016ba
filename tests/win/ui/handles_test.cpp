// The owners of handles: each object deleted with its owner and not before, selections undone,
// a region handed to a window no longer ours.
#include <gtest/gtest.h>

#include <thread>

#include "recording_window.h"
#include "ui/event.h"
#include "ui/gdi_object.h"
#include "ui/kernel_handle.h"
#include "ui/memory_dc.h"
#include "ui/selected_object.h"

namespace {

bool IsGdiObject(HGDIOBJ object)
{
    return GetObjectType(object) != 0;
}

TEST(GdiObject, DeletedWithItsOwnerUnlessReleased)
{
    HBRUSH first = CreateSolidBrush(RGB(1, 2, 3));
    HBRUSH second = CreateSolidBrush(RGB(4, 5, 6));
    HBRUSH kept = CreateSolidBrush(RGB(7, 8, 9));
    {
        CBrush owner(first);
        CBrush other(second);
        owner = std::move(other); // deletes `first`, takes `second`
        EXPECT_FALSE(IsGdiObject(first));
        EXPECT_EQ(owner.Get(), second);
        CBrush releasing(kept);
        EXPECT_EQ(releasing.Release(), kept);
    }
    EXPECT_FALSE(IsGdiObject(second));
    EXPECT_TRUE(IsGdiObject(kept));
    DeleteObject(kept);
}

TEST(MemoryDC, SelectsItsBitmapAndDeletesDcAndBitmapAfterSelectingBack)
{
    struct Case {
        const char* name;
        bool dibSection;
    };
    for (const Case c : {Case{"compatible bitmap", false}, Case{"DIB section", true}}) {
        SCOPED_TRACE(c.name);
        HDC hDC;
        HBITMAP hBitmap;
        {
            CMemoryDC dc = c.dibSection ? CMemoryDC(16, 8) : CMemoryDC(nullptr, 16, 8);
            ASSERT_TRUE(dc.IsValid());
            hDC = dc.Get();
            hBitmap = dc.Bitmap();
            EXPECT_EQ(GetCurrentObject(hDC, OBJ_BITMAP), hBitmap);
            BITMAP info{};
            GetObjectW(hBitmap, sizeof(info), &info);
            EXPECT_EQ(info.bmWidth, 16);
            EXPECT_EQ(info.bmHeight, 8);
        }
        EXPECT_FALSE(IsGdiObject(hDC));
        EXPECT_FALSE(IsGdiObject(hBitmap)) << "a bitmap still selected would not have been deleted";
    }
}

TEST(MemoryDC, DibSectionPixelsAreTheDrawnPixels)
{
    CMemoryDC dc(4, 3);
    ASSERT_NE(dc.Pixels(), nullptr);
    CBrush brush(CreateSolidBrush(RGB(0x12, 0x34, 0x56)));
    RECT lowerRight{2, 1, 4, 3};
    FillRect(dc.Get(), &lowerRight, brush.Get());
    GdiFlush();
    EXPECT_EQ(dc.Pixel(0, 0) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(dc.Pixel(2, 1) & 0xFFFFFF, 0x123456u) << "0xRRGGBB, row 0 at the top";
    EXPECT_EQ(dc.Pixel(3, 2) & 0xFFFFFF, 0x123456u);
}

TEST(SelectedObject, SelectsThePreviousObjectBack)
{
    CMemoryDC dc(2, 2);
    const HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_BRUSH);
    CBrush brush(CreateSolidBrush(RGB(9, 9, 9)));
    {
        CSelectedObject selected(dc.Get(), brush.Get());
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), brush.Get());
    }
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), original);
}

TEST(WindowRegion, BelongsToTheWindowOnceGiven)
{
    CallLog log;
    CRecording<> wnd(log);
    ASSERT_TRUE(wnd.CreateTopLevel());
    CRgn region(CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(wnd.SetWindowRgn(region, true));
    EXPECT_FALSE(region) << "the system owns it now";
    CRgn copy(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(wnd.GetSafeHwnd(), copy.Get()), SIMPLEREGION);
    RECT box{};
    GetRgnBox(copy.Get(), &box);
    EXPECT_EQ(box.right, 10);
    wnd.DestroyWindow();
}

TEST(KernelHandles, EventWakesAWaiterAndHandlesAreClosedWithTheirOwner)
{
    HANDLE raw;
    {
        CEvent wake(false, false);
        ASSERT_TRUE(wake.IsValid());
        raw = wake.Get();
        bool woken = false;
        std::thread waiter([&] { woken = wake.Wait(5000); });
        wake.Set();
        waiter.join();
        EXPECT_TRUE(woken);
        EXPECT_FALSE(wake.Wait(0)) << "an auto-reset event resets when it wakes a waiter";
    }
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(raw, &flags));

    CHandle none(INVALID_HANDLE_VALUE);
    EXPECT_FALSE(none.IsValid()); // and its destructor must not close it
}

} // namespace
