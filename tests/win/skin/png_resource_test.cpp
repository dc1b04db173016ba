// PNG resources decoded into pictures: found by id and type "PNG" in any language, and the out
// argument left alone when there is nothing to load.
#include <gtest/gtest.h>

#include "skin/png_resource.h"
#include "skin_test_resources.h"

namespace {

TEST(PngResource, DecodesTheEmbeddedPictureWithItsAlpha)
{
    GdiplusPtr<Gdiplus::Bitmap> picture;
    ASSERT_EQ(LoadPngResource(nullptr, IDR_EDGE_ALPHA_PNG, picture), 1);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(picture->GetWidth(), 8u);
    EXPECT_EQ(picture->GetHeight(), 6u);
    struct Pixel {
        int x, y;
        Gdiplus::ARGB argb;
    };
    for (const Pixel p : {Pixel{0, 0, 0xFEFF0000}, Pixel{7, 5, 0xFEFF0000}, Pixel{1, 1, 0xFF0000FF},
                          Pixel{3, 2, 0x00000000}, Pixel{5, 3, 0x010000FF}}) {
        Gdiplus::Color color;
        EXPECT_EQ(picture->GetPixel(p.x, p.y, &color), Gdiplus::Ok);
        // A fully transparent pixel may come back with any colour.
        const Gdiplus::ARGB got = (p.argb >> 24) == 0 ? color.GetValue() & 0xFF000000 : color.GetValue();
        EXPECT_EQ(got, p.argb) << p.x << "," << p.y;
    }
}

TEST(PngResource, MissingResourceLeavesTheOutArgumentAsItWas)
{
    auto before = std::make_unique<Gdiplus::Bitmap>(2, 2, PixelFormat32bppARGB);
    Gdiplus::Bitmap* const kept = before.get();
    EXPECT_EQ(LoadPngResource(nullptr, IDR_MISSING_PNG, before), 0);
    EXPECT_EQ(before.get(), kept);

    GdiplusPtr<Gdiplus::Bitmap> none;
    EXPECT_EQ(LoadPngResource(nullptr, IDR_MISSING_PNG, none), 0);
    EXPECT_EQ(none, nullptr);
}

TEST(PngResource, UndecodableResourceStillGivesAPictureOfSizeZero)
{
    GdiplusPtr<Gdiplus::Bitmap> picture;
    ASSERT_EQ(LoadPngResource(nullptr, IDR_UNDECODABLE_PNG, picture), 1);
    ASSERT_NE(picture, nullptr);
    EXPECT_NE(picture->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(picture->GetWidth(), 0u);
    EXPECT_EQ(picture->GetHeight(), 0u);
}

} // namespace
