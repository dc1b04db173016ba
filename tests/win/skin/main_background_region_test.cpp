// The main window's real background (1051 x 601): the region built from runs of opaque pixels is the
// region the per-pixel rule gives, pixel by pixel. Skipped while the picture is not in the tree.
#include <gtest/gtest.h>

#include <chrono>

#include "skin/alpha_region.h"
#include "test_pictures.h"

namespace {

TEST(MainBackgroundRegion, RunsGiveThePerPixelRegion)
{
    const wchar_t* const path = L"" MAIN_BACKGROUND_PNG;
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no res/skin/main_background.png yet";

    GdiplusPtr<Gdiplus::Bitmap> picture(Gdiplus::Bitmap::FromFile(path));
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(picture->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(picture->GetWidth(), 1051u);
    EXPECT_EQ(picture->GetHeight(), 601u);

    CRgn region;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(BuildRegionFromAlpha(picture.get(), region));
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    RecordProperty("region_build_us", static_cast<int>(elapsed.count()));
    std::printf("region built in %lld us, %lu bytes of region data\n", static_cast<long long>(elapsed.count()),
                GetRegionData(region.Get(), 0, nullptr));

    const RegionMismatch mismatch = CompareWithPerPixelRule(region.Get(), *picture);
    EXPECT_EQ(mismatch.count, 0) << "first at " << mismatch.firstX << "," << mismatch.firstY;
}

} // namespace
