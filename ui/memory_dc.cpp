#include "ui/memory_dc.h"

#include "ui/client_dc.h"

CMemoryDC::CMemoryDC(HDC compatibleWith, int width, int height) : m_nWidth(width), m_nHeight(height)
{
    m_hDC = CreateCompatibleDC(compatibleWith);
    if (compatibleWith != nullptr) {
        m_bitmap.Reset(CreateCompatibleBitmap(compatibleWith, width, height));
    } else {
        CClientDC screen(nullptr);
        m_bitmap.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    }
    SelectBitmap();
}

CMemoryDC::CMemoryDC(int width, int height) : m_nWidth(width), m_nHeight(height)
{
    m_hDC = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.Reset(CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (m_bitmap)
        m_pPixels = static_cast<std::uint32_t*>(bits);
    SelectBitmap();
}

void CMemoryDC::SelectBitmap()
{
    if (m_hDC != nullptr && m_bitmap)
        m_hPreviousBitmap = SelectObject(m_hDC, m_bitmap.Get());
}

CMemoryDC::~CMemoryDC()
{
    if (m_hDC == nullptr)
        return;
    if (m_hPreviousBitmap != nullptr)
        SelectObject(m_hDC, m_hPreviousBitmap);
    DeleteDC(m_hDC);
    // m_bitmap is deleted after this, no longer selected anywhere.
}
