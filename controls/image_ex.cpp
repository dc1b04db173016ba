#include "controls/image_ex.h"

#include "controls/picture_file.h"
#include "ui/paint_dc.h"

void CImageEx::LoadImage(const std::wstring& path, bool redraw)
{
    m_pImage.reset();
    m_pImage = LoadPictureFile(path);
    const PictureSize size = SizeOfPicture(m_pImage.get());
    m_nWidth = size.width;
    m_nHeight = size.height;
    if (redraw)
        Invalidate(true);
}

void CImageEx::OnPaint()
{
    const CPaintDC paint(GetSafeHwnd());
    if (m_pImage == nullptr)
        return;
    Gdiplus::Graphics graphics(paint.Get());
    graphics.DrawImage(m_pImage.get(), 0, 0, m_nWidth, m_nHeight);
}
