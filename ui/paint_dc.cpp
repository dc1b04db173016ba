#include "ui/paint_dc.h"

CPaintDC::CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(BeginPaint(hWnd, &m_paint)) {}

CPaintDC::~CPaintDC()
{
    if (m_hDC != nullptr)
        EndPaint(m_hWnd, &m_paint);
}
