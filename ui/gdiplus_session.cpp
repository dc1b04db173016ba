#include "ui/gdiplus_session.h"

CGdiplusSession::CGdiplusSession()
{
    Gdiplus::GdiplusStartupInput input; // version 1, no debug callback, background thread, external codecs
    m_bStarted = Gdiplus::GdiplusStartup(&m_nToken, &input, nullptr) == Gdiplus::Ok;
}

CGdiplusSession::~CGdiplusSession()
{
    if (m_bStarted)
        Gdiplus::GdiplusShutdown(m_nToken);
}
