#include "ui/client_dc.h"

CClientDC::CClientDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(GetDC(hWnd)) {}

CClientDC::~CClientDC()
{
    if (m_hDC != nullptr)
        ReleaseDC(m_hWnd, m_hDC);
}
