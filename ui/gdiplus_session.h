// GDI+ from start-up to shut-down: the token lives exactly as long as this object. Every GDI+ object
// of the program must be gone before it is destroyed.
#pragma once

#include "ui/gdiplus_api.h"

class CGdiplusSession {
public:
    CGdiplusSession();
    ~CGdiplusSession();
    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;

    bool IsStarted() const { return m_bStarted; }

private:
    ULONG_PTR m_nToken = 0;
    bool m_bStarted = false;
};
