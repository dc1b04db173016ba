#include "controls/static_ex.h"

#include "controls/font_fallback.h"
#include "controls/mem_dc_ex.h"
#include "controls/skinned_style.h"
#include "ui/client_dc.h"
#include "ui/paint_dc.h"

void CStaticEx::SetTextFont(const std::wstring& family, float size)
{
    const GdiplusPtr<Gdiplus::FontFamily> fontFamily = CreateFontFamilyOrFallback(family);
    m_pTextFont.reset();
    if (fontFamily != nullptr)
        m_pTextFont = std::make_unique<Gdiplus::Font>(fontFamily.get(), size, Gdiplus::FontStyleRegular,
                                                      Gdiplus::UnitPoint);
}

void CStaticEx::Arrange(const LabelStyle& style, int left, int top, int width, int height)
{
    m_pTextBrush = std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(style.colour));
    SetTextFont(style.family, style.size);
    MoveWindow(left, top, width, height, true);
    m_nWidth = width;
    m_nHeight = height;
}

void CStaticEx::SetText(const std::wstring& text)
{
    const HWND hWnd = GetSafeHwnd();
    if (!m_Text.SetText(text, hWnd != nullptr))
        return;
    InvalidateRect(nullptr, true);
    // Painting at once is for the label's own thread: from another thread it would mean waiting
    // for the UI thread, which may itself be waiting for that thread to end.
    if (GetWindowThreadProcessId(hWnd, nullptr) == GetCurrentThreadId())
        UpdateWindow();
}

void CStaticEx::PreSubclassWindow()
{
    ApplySkinnedControlStyle(*this, SS_TYPEMASK);
}

HBRUSH CStaticEx::OnReflectCtlColor(HDC, UINT)
{
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

// The paint draws the saved background and the text in one go; erasing first would only flicker.
BOOL CStaticEx::OnEraseBkgnd(HDC)
{
    SaveParentBackground();
    return TRUE;
}

void CStaticEx::SaveParentBackground()
{
    if (m_pSavedBackground)
        return;
    const RECT inParent = GetRectInParent();
    const int width = inParent.right - inParent.left;
    const int height = inParent.bottom - inParent.top;
    const CClientDC parent(GetParent());
    auto saved = std::make_unique<CMemoryDC>(parent.Get(), width, height);
    if (!saved->IsValid())
        return;
    BitBlt(saved->Get(), 0, 0, width, height, parent.Get(), inParent.left, inParent.top, SRCCOPY);
    m_pSavedBackground = std::move(saved);
}

void CStaticEx::OnPaint()
{
    const CPaintDC paint(GetSafeHwnd());
    SaveParentBackground(); // a paint that came without an erase
    const RECT client = GetClientRect();
    CMemDCEx buffer(paint.Get(), client);
    if (m_pSavedBackground)
        BitBlt(buffer.Get(), 0, 0, client.right, client.bottom, m_pSavedBackground->Get(), 0, 0, SRCCOPY);
    else
        buffer.CopyFromTarget();

    const std::wstring text = m_Text.Text();
    if (text.empty() || m_pTextFont == nullptr || m_pTextBrush == nullptr)
        return;
    const LabelTextLayout layout = LayoutLabelText(m_nAlign, m_nWidth, m_nHeight, m_Origin);
    m_Origin = layout.origin;
    // The text is aligned to the origin. It is laid out in a box of the label's size whose matching
    // corner or edge is at the origin, neither wrapped nor clipped: the same place as at the origin
    // itself, except that Wine's GDI+ keeps the trailing padding of far-aligned text only in a box
    // (at a point the last glyph would run past the label's right edge).
    Gdiplus::StringFormat format(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip, LANG_NEUTRAL);
    format.SetAlignment(static_cast<Gdiplus::StringAlignment>(layout.alignment));
    format.SetLineAlignment(static_cast<Gdiplus::StringAlignment>(layout.lineAlignment));
    const float width = static_cast<float>(m_nWidth);
    const float height = static_cast<float>(m_nHeight);
    const FloatPoint boxAt = LabelTextTopLeft(layout, width, height);
    Gdiplus::Graphics graphics(buffer.Get());
    const GdiplusPtr<Gdiplus::Font> fitted = FontFittingWidth(graphics, text, format);
    graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), fitted ? fitted.get() : m_pTextFont.get(),
                        Gdiplus::RectF(boxAt.x, boxAt.y, width, height), &format, m_pTextBrush.get());
}

GdiplusPtr<Gdiplus::Font> CStaticEx::FontFittingWidth(Gdiplus::Graphics& graphics, const std::wstring& text,
                                                      const Gdiplus::StringFormat& format) const
{
    Gdiplus::RectF bounds;
    if (graphics.MeasureString(text.c_str(), static_cast<INT>(text.size()), m_pTextFont.get(), Gdiplus::PointF(0, 0),
                               &format, &bounds) != Gdiplus::Ok)
        return nullptr;
    const float scale = FittedFontScale(bounds.Width, static_cast<float>(m_nWidth));
    if (scale >= 1.0f)
        return nullptr;
    Gdiplus::FontFamily family;
    if (m_pTextFont->GetFamily(&family) != Gdiplus::Ok)
        return nullptr;
    auto font = std::make_unique<Gdiplus::Font>(&family, m_pTextFont->GetSize() * scale, m_pTextFont->GetStyle(),
                                                m_pTextFont->GetUnit());
    return font->IsAvailable() ? std::move(font) : nullptr;
}
