// The window region of the main window's picture (1051 x 601): built from runs of opaque pixels
// (BuildRegionFromAlpha) against the per-pixel rule, in the same run. The per-pixel rule reads every
// pixel through GDI+ and, for each pixel that is not fully opaque, combines a one-pixel region into
// the picture's rectangle with XOR. Prints the median time of each, their ratio, and whether the two
// regions are the same set of pixels (the exit code is 1 when they are not).
//
// region_benchmark [picture.png]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "skin/alpha_region.h"
#include "ui/gdi_object.h"
#include "ui/gdiplus_session.h"

namespace {

using Clock = std::chrono::steady_clock;

// Rounds alternate the two builds, so that a change of the machine's pace meets both alike.
constexpr int kRounds = 11;
constexpr int kRunsPerRound = 3;

CRgn PerPixelRegion(Gdiplus::Bitmap& picture)
{
    const int width = static_cast<int>(picture.GetWidth());
    const int height = static_cast<int>(picture.GetHeight());
    CRgn region(CreateRectRgn(0, 0, width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Gdiplus::Color colour;
            if (picture.GetPixel(x, y, &colour) != Gdiplus::Ok)
                colour = Gdiplus::Color(0xFF000000); // an unreadable pixel counts as opaque
            if (colour.GetA() != 255) {
                const CRgn pixel(CreateRectRgn(x, y, x + 1, y + 1));
                CombineRgn(region.Get(), region.Get(), pixel.Get(), RGN_XOR);
            }
        }
    }
    return region;
}

CRgn RunsRegion(Gdiplus::Bitmap& picture)
{
    CRgn region;
    BuildRegionFromAlpha(&picture, region);
    return region;
}

// Times one build and keeps its region.
double TimeBuild(const std::function<CRgn()>& build, CRgn& region)
{
    const auto start = Clock::now();
    region = build();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

DWORD RectangleCount(HRGN region)
{
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<BYTE> data(size);
    if (size == 0 || GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())) == 0)
        return 0;
    return reinterpret_cast<RGNDATA*>(data.data())->rdh.nCount;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string path = argc > 1 ? argv[1] : MAIN_BACKGROUND_PNG;
    const CGdiplusSession gdiplus;
    if (!gdiplus.IsStarted())
        return 2;
    const std::wstring widePath(path.begin(), path.end());
    GdiplusPtr<Gdiplus::Bitmap> picture(Gdiplus::Bitmap::FromFile(widePath.c_str()));
    if (picture == nullptr || picture->GetLastStatus() != Gdiplus::Ok) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 2;
    }

    CRgn runs;
    CRgn perPixel;
    std::vector<double> runsTimes;
    std::vector<double> perPixelTimes;
    for (int round = 0; round < kRounds; ++round) {
        for (int i = 0; i < kRunsPerRound; ++i)
            runsTimes.push_back(TimeBuild([&] { return RunsRegion(*picture); }, runs));
        perPixelTimes.push_back(TimeBuild([&] { return PerPixelRegion(*picture); }, perPixel));
    }
    const double runsMs = Median(runsTimes);
    const double perPixelMs = Median(perPixelTimes);
    const bool same = EqualRgn(runs.Get(), perPixel.Get()) != FALSE;

    std::printf("picture          %s, %u x %u\n", path.c_str(), picture->GetWidth(), picture->GetHeight());
    std::printf("runs of pixels   median %8.3f ms of %zu builds, %lu rectangles\n", runsMs, runsTimes.size(),
                RectangleCount(runs.Get()));
    std::printf("per pixel        median %8.3f ms of %zu builds, %lu rectangles\n", perPixelMs, perPixelTimes.size(),
                RectangleCount(perPixel.Get()));
    std::printf("ratio            %.0fx faster\n", perPixelMs / runsMs);
    std::printf("same region      %s\n", same ? "yes" : "NO");
    return same ? 0 : 1;
}
