// Selects a GDI object into a DC and selects the previous one back when it goes, so that the object
// can be deleted afterwards. Does not own the object.
#pragma once

#include <windows.h>

class CSelectedObject {
public:
    CSelectedObject(HDC hDC, HGDIOBJ object);
    ~CSelectedObject();
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_previous;
};
