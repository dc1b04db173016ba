// The plain picture control: a static control that shows one picture file at its natural size from
// its top-left corner. It does not move or size itself; the owner reads Width() and Height() after
// LoadImage and places it. Transparent parts of the picture show what lies beneath. UI thread only.
#pragma once

#include <string>

#include "ui/gdiplus_api.h"
#include "ui/static_control.h"

class CImageEx : public CStatic {
public:
    // Replaces the picture with the one in the file `path` (a file that cannot be read leaves a
    // picture of 0 x 0 that draws nothing). With `redraw` the whole control is invalidated;
    // otherwise the new picture shows at the next paint. <windows.h> turns the name into
    // LoadImageW here and at every call alike.
    void LoadImage(const std::wstring& path, bool redraw);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

protected:
    void OnPaint() override;

private:
    GdiplusPtr<Gdiplus::Image> m_pImage;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
