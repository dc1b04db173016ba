// Window regions cut from pictures: exactly the fully opaque pixels; an empty region for a picture
// that is not there; and the region shaping a real window.
#include <gtest/gtest.h>

#include <functional>

#include "skin/alpha_region.h"
#include "skin/png_resource.h"
#include "skin_test_resources.h"
#include "test_pictures.h"
#include "ui/window_class.h"
#include "ui/wnd.h"

namespace {

enum class Expect { Pixels, WholeRectangle, Empty };

TEST(AlphaRegion, IsExactlyThePicturesFullyOpaquePixels)
{
    struct Case {
        const char* name;
        std::function<GdiplusPtr<Gdiplus::Bitmap>()> picture;
        Expect expect;
    };
    const Case cases[] = {
        {"fully opaque", [] { return PictureFromRows({"#####", "#####", "#####", "#####"}); }, Expect::WholeRectangle},
        {"alpha 254 edges", [] { return PictureFromRows({"++++++", "+####+", "+####+", "++++++"}); }, Expect::Pixels},
        {"holes and runs", [] { return PictureFromRows({"#.##o#", "##.###", "......", "######", "o####."}); },
         Expect::Pixels},
        {"fully transparent", [] { return PictureFromRows({"...", "+o+"}); }, Expect::Empty},
        {"no alpha channel", [] { return std::make_unique<Gdiplus::Bitmap>(7, 3, PixelFormat24bppRGB); },
         Expect::WholeRectangle},
        {"embedded PNG",
         [] {
             GdiplusPtr<Gdiplus::Bitmap> picture;
             LoadPngResource(nullptr, IDR_EDGE_ALPHA_PNG, picture);
             return picture;
         },
         Expect::Pixels},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GdiplusPtr<Gdiplus::Bitmap> picture = c.picture();
        ASSERT_NE(picture, nullptr);
        CRgn region;
        ASSERT_TRUE(BuildRegionFromAlpha(picture.get(), region));
        ASSERT_TRUE(region);

        const RegionMismatch mismatch = CompareWithPerPixelRule(region.Get(), *picture);
        EXPECT_EQ(mismatch.count, 0) << "first at " << mismatch.firstX << "," << mismatch.firstY;
        if (c.expect == Expect::WholeRectangle) {
            const int width = static_cast<int>(picture->GetWidth()), height = static_cast<int>(picture->GetHeight());
            CRgn whole(CreateRectRgn(0, 0, width, height));
            EXPECT_TRUE(EqualRgn(region.Get(), whole.Get()));
        }
        RECT box{};
        EXPECT_EQ(GetRgnBox(region.Get(), &box) == NULLREGION, c.expect == Expect::Empty);
    }
}

TEST(AlphaRegion, PictureWithoutSizeGivesAnEmptyRegion)
{
    struct Case {
        const char* name;
        std::function<GdiplusPtr<Gdiplus::Bitmap>()> picture;
    };
    const Case cases[] = {
        {"undecodable resource",
         [] {
             GdiplusPtr<Gdiplus::Bitmap> picture;
             LoadPngResource(nullptr, IDR_UNDECODABLE_PNG, picture);
             return picture;
         }},
        {"zero-size picture", [] { return std::make_unique<Gdiplus::Bitmap>(0, 0, PixelFormat32bppARGB); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GdiplusPtr<Gdiplus::Bitmap> picture = c.picture();
        ASSERT_NE(picture, nullptr);
        CRgn region;
        ASSERT_TRUE(BuildRegionFromAlpha(picture.get(), region));
        RECT box{};
        EXPECT_EQ(GetRgnBox(region.Get(), &box), NULLREGION);
        EXPECT_EQ(GetRegionData(region.Get(), 0, nullptr), sizeof(RGNDATAHEADER)) << "no rectangles";
        EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
    }
}

TEST(AlphaRegion, NoPictureLeavesTheRegionAlone)
{
    CRgn region(CreateRectRgn(0, 0, 3, 3));
    const HRGN before = region.Get();
    EXPECT_FALSE(BuildRegionFromAlpha(nullptr, region));
    EXPECT_EQ(region.Get(), before);
}

// The region given to a window decides where the window is: a click on an alpha-254 edge pixel goes
// to whatever lies behind it.
TEST(AlphaRegion, ShapesTheWindowItIsGivenTo)
{
    GdiplusPtr<Gdiplus::Bitmap> picture;
    ASSERT_EQ(LoadPngResource(nullptr, IDR_EDGE_ALPHA_PNG, picture), 1);
    CRgn region;
    ASSERT_TRUE(BuildRegionFromAlpha(picture.get(), region));

    CWnd window;
    const POINT origin{300, 200};
    ASSERT_TRUE(window.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, nullptr, L"shaped", WS_POPUP | WS_VISIBLE,
                                RECT{origin.x, origin.y, origin.x + 20, origin.y + 20}, nullptr, 0));
    ASSERT_TRUE(window.SetWindowRgn(region, true));
    struct Probe {
        int x, y;
        bool inside;
    };
    for (const Probe p : {Probe{1, 1, true}, Probe{6, 4, true}, Probe{0, 0, false}, Probe{7, 3, false},
                          Probe{3, 2, false}, Probe{5, 3, false}, Probe{10, 10, false}}) {
        const HWND hit = WindowFromPoint(POINT{origin.x + p.x, origin.y + p.y});
        EXPECT_EQ(hit == window.GetSafeHwnd(), p.inside) << p.x << "," << p.y;
    }
    window.DestroyWindow();
}

} // namespace
