// An off-screen DC with its own bitmap selected into it. The bitmap is either compatible with a
// given DC (a device-dependent look to copy with BitBlt) or a 32-bit top-down DIB section whose
// pixels can be read and written directly (0xAARRGGBB per pixel, rows of Width() pixels).
// On destruction the DC's original bitmap is selected back before the DC and the bitmap are deleted.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/gdi_object.h"

class CMemoryDC {
public:
    // A bitmap compatible with `compatibleWith` (null: the screen).
    CMemoryDC(HDC compatibleWith, int width, int height);
    // A 32-bit top-down DIB section, zero-filled.
    CMemoryDC(int width, int height);
    ~CMemoryDC();
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    // False when the DC or its bitmap could not be made.
    bool IsValid() const { return m_hDC != nullptr && m_bitmap; }
    HDC Get() const { return m_hDC; }
    HBITMAP Bitmap() const { return m_bitmap.Get(); }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

    // The DIB section's pixels; null for a compatible bitmap.
    std::uint32_t* Pixels() const { return m_pPixels; }
    std::uint32_t Pixel(int x, int y) const { return m_pPixels[y * m_nWidth + x]; }

private:
    void SelectBitmap();

    HDC m_hDC = nullptr;
    CBitmap m_bitmap;
    HGDIOBJ m_hPreviousBitmap = nullptr;
    std::uint32_t* m_pPixels = nullptr;
    int m_nWidth;
    int m_nHeight;
};
