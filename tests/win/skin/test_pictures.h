// Pictures drawn from text for the skin tests, and the per-pixel rule to hold regions against.
#pragma once

#include <string>
#include <vector>

#include "ui/gdiplus_api.h"

// One character per pixel: '#' alpha 255, '+' alpha 254, 'o' alpha 128, '.' alpha 0. Opaque blue
// where opaque, red otherwise.
inline GdiplusPtr<Gdiplus::Bitmap> PictureFromRows(const std::vector<std::string>& rows)
{
    const INT height = static_cast<INT>(rows.size());
    const INT width = height > 0 ? static_cast<INT>(rows[0].size()) : 0;
    auto picture = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
    for (INT y = 0; y < height; ++y) {
        for (INT x = 0; x < width; ++x) {
            const char c = rows[y][x];
            const BYTE alpha = c == '#' ? 255 : c == '+' ? 254 : c == 'o' ? 128 : 0;
            picture->SetPixel(x, y, alpha == 255 ? Gdiplus::Color(255, 0, 0, 255) : Gdiplus::Color(alpha, 255, 0, 0));
        }
    }
    return picture;
}

struct RegionMismatch {
    int count = 0;
    int firstX = -1, firstY = -1;
};

// Every pixel of the picture, and a margin of one pixel around it, is in the region exactly when
// the picture's pixel there has alpha 255 (read with Bitmap::GetPixel).
inline RegionMismatch CompareWithPerPixelRule(HRGN region, Gdiplus::Bitmap& picture)
{
    RegionMismatch mismatch;
    const int width = static_cast<int>(picture.GetWidth());
    const int height = static_cast<int>(picture.GetHeight());
    for (int y = -1; y <= height; ++y) {
        for (int x = -1; x <= width; ++x) {
            bool opaque = false;
            if (x >= 0 && y >= 0 && x < width && y < height) {
                Gdiplus::Color color;
                picture.GetPixel(x, y, &color);
                opaque = color.GetA() == 255;
            }
            if ((PtInRegion(region, x, y) != FALSE) != opaque) {
                if (mismatch.count++ == 0) {
                    mismatch.firstX = x;
                    mismatch.firstY = y;
                }
            }
        }
    }
    return mismatch;
}
