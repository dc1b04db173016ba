#include "skin/background_painting.h"

#include "ui/paint_dc.h"

void DrawBackground(HDC hDC, Gdiplus::Bitmap* picture)
{
    if (picture == nullptr)
        return;
    Gdiplus::Graphics graphics(hDC);
    const INT height = static_cast<INT>(picture->GetHeight());
    const INT width = static_cast<INT>(picture->GetWidth());
    graphics.DrawImage(picture, 0, 0, width, height);
}

void PaintBackground(HWND hWnd, Gdiplus::Bitmap* picture)
{
    CPaintDC dc(hWnd);
    DrawBackground(dc.Get(), picture);
}

BOOL SkipBackgroundErase(HDC)
{
    return TRUE;
}
