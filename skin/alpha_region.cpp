#include "skin/alpha_region.h"

HRGN RegionFromRects(const std::vector<OpaqueRect>& rects)
{
    const std::size_t count = rects.size();
    if (count == 0)
        return CreateRectRgn(0, 0, 0, 0);

    // RGNDATA: a header followed by the rectangles.
    std::vector<std::byte> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    RECT bounds = {rects[0].left, rects[0].top, rects[0].right, rects[0].bottom};
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        UnionRect(&bounds, &bounds, &out[i]);
    }
    data->rdh.rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

bool BuildRegionFromAlpha(Gdiplus::Bitmap* bitmap, CRgn& region)
{
    if (bitmap == nullptr)
        return false;
    const int width = static_cast<int>(bitmap->GetWidth());
    const int height = static_cast<int>(bitmap->GetHeight());
    if (width <= 0 || height <= 0) {
        region.Reset(CreateRectRgn(0, 0, 0, 0));
        return true;
    }

    Gdiplus::Rect whole(0, 0, width, height);
    Gdiplus::BitmapData pixels{};
    if (bitmap->LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &pixels) != Gdiplus::Ok) {
        region.Reset(CreateRectRgn(0, 0, width, height));
        return true;
    }
    // 32bppARGB in memory is B, G, R, A: the alpha byte is the fourth of each pixel.
    AlphaPlane plane;
    plane.pFirst = static_cast<const std::uint8_t*>(pixels.Scan0) + 3;
    plane.nWidth = width;
    plane.nHeight = height;
    plane.nRowStride = pixels.Stride;
    plane.nPixelStride = 4;
    const std::vector<OpaqueRect> rects = OpaqueRectsFromAlpha(plane);
    bitmap->UnlockBits(&pixels);

    region.Reset(RegionFromRects(rects));
    return true;
}
