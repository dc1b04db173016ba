// The picture view: one picture at its natural size from the top-left corner, replaced at the next
// paint, in a window that the owner places.
#include <gtest/gtest.h>

#include "test_page.h"
#include "test_pictures.h"
#include "controls/picture_file.h"

namespace {

constexpr std::uint32_t kMagenta = Rgb(220, 0, 200);
constexpr std::uint32_t kOrange = Rgb(250, 140, 0);

class ImageExTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_page.Create()); }
    void TearDown() override { m_page.DestroyWindow(); }

    std::uint32_t ImageAt(int x, int y) const { return m_page.PixelAt(kImageAt.x + x, kImageAt.y + y); }

    TemporaryDirectory m_files;
    CTestPage m_page;
};

TEST_F(ImageExTest, ShowsThePictureWhereTheOwnerPutsItWithThePageThroughItsTransparentParts)
{
    CImageEx& image = m_page.m_image;
    image.LoadImage(WritePicture(m_files, "a.png", 30, 20, Gdiplus::Color(255, 220, 0, 200), 5), true);
    EXPECT_EQ(image.Width(), 30);
    EXPECT_EQ(image.Height(), 20);
    image.MoveWindow(kImageAt.x, kImageAt.y, image.Width(), image.Height());
    m_page.Redraw();
    EXPECT_EQ(ImageAt(5, 0), kMagenta);
    EXPECT_EQ(ImageAt(29, 19), kMagenta);
    EXPECT_EQ(ImageAt(2, 10), PageColour(kImageAt.x + 2, kImageAt.y + 10));
}

TEST_F(ImageExTest, ANewPictureShowsAtTheNextPaintInTheWindowAsTheOwnerLeftIt)
{
    CImageEx& image = m_page.m_image;
    image.LoadImage(WritePicture(m_files, "a.png", 30, 20, Gdiplus::Color(255, 220, 0, 200)), true);
    image.MoveWindow(kImageAt.x, kImageAt.y, image.Width(), image.Height());
    m_page.Redraw();
    ASSERT_EQ(ImageAt(10, 5), kMagenta);

    image.LoadImage(WritePicture(m_files, "b.png", 50, 10, Gdiplus::Color(255, 250, 140, 0)), false);
    EXPECT_EQ(image.Width(), 50);
    EXPECT_EQ(image.Height(), 10);
    PumpPending();
    EXPECT_EQ(ImageAt(10, 5), kMagenta) << "without redrawing, nothing changes yet";

    image.Invalidate(true);
    PumpPending();
    EXPECT_EQ(ImageAt(10, 5), kOrange);
    EXPECT_EQ(ImageAt(29, 9), kOrange);
    const RECT placed = image.GetRectInParent();
    EXPECT_EQ(placed.right - placed.left, 30) << "the window keeps its size";
    EXPECT_EQ(ImageAt(40, 5), PageColour(kImageAt.x + 40, kImageAt.y + 5)) << "nothing beyond the window";
}

TEST_F(ImageExTest, AFileThatCannotBeReadShowsNothingAndMeasuresZero)
{
    CImageEx& image = m_page.m_image;
    image.LoadImage(MissingPicture(m_files), true);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Height(), 0);
    m_page.Redraw();
    EXPECT_EQ(ImageAt(10, 10), PageColour(kImageAt.x + 10, kImageAt.y + 10));
}

// Within a set-up scope every request of a file is served from its first decode, as a copy of its
// own; a file that could not be read is asked for again; outside the scope the file is read anew.
TEST_F(ImageExTest, PicturesWithinACacheScopeAreDecodedOncePerFile)
{
    const std::wstring path = WritePicture(m_files, "a.png", 30, 20, Gdiplus::Color(255, 220, 0, 200));
    const std::wstring late = MissingPicture(m_files);
    {
        const CPictureCacheScope scope;
        const GdiplusPtr<Gdiplus::Image> first = LoadPictureFile(path);
        WritePicture(m_files, "a.png", 50, 10, Gdiplus::Color(255, 250, 140, 0));
        const GdiplusPtr<Gdiplus::Image> second = LoadPictureFile(path);
        ASSERT_NE(second, nullptr);
        EXPECT_NE(first.get(), second.get());
        EXPECT_EQ(SizeOfPicture(second.get()).width, 30) << "the first decode serves";
        Gdiplus::Color pixel;
        static_cast<Gdiplus::Bitmap*>(second.get())->GetPixel(10, 10, &pixel);
        EXPECT_EQ(pixel.GetValue(), Gdiplus::Color(255, 220, 0, 200).GetValue());

        EXPECT_EQ(SizeOfPicture(LoadPictureFile(late).get()).width, 0);
        WritePicture(m_files, "missing.png", 7, 7, Gdiplus::Color(255, 250, 140, 0));
        EXPECT_EQ(SizeOfPicture(LoadPictureFile(late).get()).width, 7);
    }
    EXPECT_EQ(SizeOfPicture(LoadPictureFile(path).get()).width, 50);
}

} // namespace
