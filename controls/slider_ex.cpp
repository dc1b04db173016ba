#include "controls/slider_ex.h"

#include "controls/mem_dc_ex.h"
#include "controls/picture_file.h"
#include "controls/skinned_style.h"
#include "controls/slider_fill.h"
#include "skin/background_painting.h"
#include "ui/paint_dc.h"

CSliderEx::CSharedValue::operator std::int32_t() const
{
    switch (m_Which) {
    case Which::Min:
        return m_State.Min();
    case Which::Max:
        return m_State.Max();
    case Which::Pos:
        return m_State.Pos();
    case Which::Value:
        break;
    }
    return m_State.Value();
}

CSliderEx::CSharedValue& CSliderEx::CSharedValue::operator=(std::int32_t value)
{
    switch (m_Which) {
    case Which::Min:
        m_State.SetRange(value, m_State.Max());
        break;
    case Which::Max:
        m_State.SetRange(m_State.Min(), value);
        break;
    case Which::Pos:
        m_State.SetPos(value);
        break;
    case Which::Value:
        m_State.SetValue(value);
        break;
    }
    return *this;
}

void CSliderEx::LoadImages(const std::wstring& track, const std::wstring& fill)
{
    if (track.empty())
        return;
    m_pTrackImage = LoadPictureFile(track);
    m_pFillImage = LoadPictureFile(fill);
    const PictureSize size = SizeOfPicture(m_pTrackImage.get());
    m_nImageWidth = size.width;
    m_nImageHeight = size.height;
    MoveWindow(m_nPosX, m_nPosY, m_nImageWidth, m_nImageHeight, true);
}

void CSliderEx::ShowValue(std::int32_t value)
{
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return;
    RECT client{};
    ::GetClientRect(hWnd, &client); // reads the window's size; sends no message
    if (m_State.ApplyBarValue(value, client.right - client.left))
        InvalidateRect(nullptr, true);
}

void CSliderEx::PreSubclassWindow()
{
    ApplySkinnedControlStyle(*this, SS_TYPEMASK);
}

BOOL CSliderEx::OnEraseBkgnd(HDC hDC)
{
    return SkipBackgroundErase(hDC);
}

void CSliderEx::OnPaint()
{
    const CPaintDC paint(GetSafeHwnd());
    if (m_pTrackImage == nullptr || m_pFillImage == nullptr)
        return;
    const RECT client = GetClientRect();
    CMemDCEx buffer(paint.Get(), client);
    buffer.CopyFromTarget();

    Gdiplus::Graphics graphics(buffer.Get());
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    graphics.DrawImage(m_pTrackImage.get(), 0, 0, m_nImageWidth, m_nImageHeight);

    const std::int32_t fillLength = ClampFillLength(m_State.Pos(), client.right);
    const PictureSize fillSize = SizeOfPicture(m_pFillImage.get());
    if (fillLength <= 0 || fillSize.width <= 0)
        return;
    // The whole fill picture goes into the fill length. Mirroring at its edges keeps the scaling
    // from blending the first and last columns with the transparent outside.
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.DrawImage(m_pFillImage.get(), Gdiplus::Rect(0, 0, fillLength, m_nImageHeight), 0, 0, fillSize.width,
                       fillSize.height, Gdiplus::UnitPixel, &edges);
}
