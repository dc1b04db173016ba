// BeginPaint on construction, EndPaint on destruction: the DC of one WM_PAINT.
#pragma once

#include <windows.h>

class CPaintDC {
public:
    explicit CPaintDC(HWND hWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC Get() const { return m_hDC; }
    const PAINTSTRUCT& PaintStruct() const { return m_paint; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_paint{};
    HDC m_hDC;
};
