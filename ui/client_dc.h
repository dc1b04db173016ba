// GetDC on construction, ReleaseDC on destruction: a window's client-area DC outside WM_PAINT.
#pragma once

#include <windows.h>

class CClientDC {
public:
    explicit CClientDC(HWND hWnd);
    ~CClientDC();
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};
