#include "controls/static_progress.h"

#include <algorithm>

#include "controls/font_fallback.h"
#include "controls/gauge_drawing.h"
#include "controls/mem_dc_ex.h"
#include "controls/picture_file.h"
#include "controls/skinned_style.h"
#include "skin/background_painting.h"
#include "ui/paint_dc.h"

namespace {

GdiplusPtr<Gdiplus::Font> MakeFont(const Gdiplus::FontFamily* family, float size, INT style)
{
    if (family == nullptr)
        return nullptr;
    return std::make_unique<Gdiplus::Font>(family, size, style, Gdiplus::UnitPoint);
}

// A font's em in pixels on `graphics` (whose page unit is the pixel).
float EmPixels(const Gdiplus::Font& font, const Gdiplus::Graphics& graphics)
{
    const float size = font.GetSize();
    return font.GetUnit() == Gdiplus::UnitPoint ? size * graphics.GetDpiY() / 72.0f : size;
}

// The unit sign's left edge: its place in the layout, made for the skin's typeface, or further right
// when the number, set in a wider stand-in, would run into it. A string drawn at a point starts a
// sixth of an em to the right of it, so the number's ink ends a sixth of its em before the end of
// its measured box, and the sign's ink starts a sixth of its em after its left edge.
float UnitSignLeft(const Gdiplus::Graphics& graphics, const GaugeFace& face, const Gdiplus::Font& valueFont,
                   const Gdiplus::Font& unitFont)
{
    constexpr float kGap = 2.0f;
    Gdiplus::RectF box;
    const Gdiplus::PointF origin(face.positions.value.x, face.positions.value.y);
    graphics.MeasureString(face.valueText.c_str(), static_cast<INT>(face.valueText.size()), &valueFont, origin, &box);
    const float numberEnd = box.X + box.Width - EmPixels(valueFont, graphics) / 6.0f;
    return std::max(face.positions.unit.x, numberEnd + kGap - EmPixels(unitFont, graphics) / 6.0f);
}

void DrawGaugeText(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font* font, FloatPoint at,
                   const Gdiplus::Brush& brush)
{
    if (text.empty() || font == nullptr)
        return;
    graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), font, Gdiplus::PointF(at.x, at.y), &brush);
}

} // namespace

void CStaticProgress::LoadBackground(const std::wstring& path)
{
    m_pBackground = LoadPictureFile(path);
    if (m_pBackground == nullptr)
        return;
    const PictureSize size = SizeOfPicture(m_pBackground.get());
    m_nImageWidth = size.width;
    m_nImageHeight = size.height;
    MoveWindow(m_nPosX, m_nPosY, m_nImageWidth, m_nImageHeight, true);
}

void CStaticProgress::SetFonts(const std::wstring& family)
{
    const GdiplusPtr<Gdiplus::FontFamily> fontFamily = CreateFontFamilyOrFallback(family);
    m_pValueFont = MakeFont(fontFamily.get(), kGaugeValueFontSize, Gdiplus::FontStyleBold);
    m_pCaptionFont = MakeFont(fontFamily.get(), kGaugeCaptionFontSize, Gdiplus::FontStyleRegular);
    m_pUnitFont = MakeFont(fontFamily.get(), kGaugeUnitFontSize, Gdiplus::FontStyleBold);
    m_pTextBrush = std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(kGaugeTextColour));
}

void CStaticProgress::SetValue(std::int32_t selector, std::int32_t celsius, std::uint8_t unit)
{
    if (m_State.SetValue(selector, celsius, unit))
        InvalidateRect(nullptr, true);
}

void CStaticProgress::PreSubclassWindow()
{
    ApplySkinnedControlStyle(*this, SS_TYPEMASK);
}

BOOL CStaticProgress::OnEraseBkgnd(HDC hDC)
{
    return SkipBackgroundErase(hDC);
}

void CStaticProgress::OnPaint()
{
    const CPaintDC paint(GetSafeHwnd());
    if (m_pBackground == nullptr)
        return;
    const GaugeFace face = m_State.Face();
    CMemDCEx buffer(paint.Get(), GetClientRect());
    buffer.CopyFromTarget();
    Gdiplus::Graphics graphics(buffer.Get());
    graphics.DrawImage(m_pBackground.get(), 0, 0, m_nImageWidth, m_nImageHeight);
    DrawFace(graphics, face);
}

void CStaticProgress::DrawFace(Gdiplus::Graphics& graphics, const GaugeFace& face) const
{
    graphics.SetPageUnit(Gdiplus::UnitPixel);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    const Gdiplus::RectF square(kGaugeArcLeft, kGaugeArcTop, kGaugeArcSize, kGaugeArcSize);
    const Gdiplus::Pen ring(Gdiplus::Color(kGaugeRingColour), kGaugeRingPenWidth);
    graphics.DrawArc(&ring, square, kGaugeStartAngle, kGaugeRingSweep);
    Gdiplus::Pen arc(Gdiplus::Color(kGaugeArcColour), kGaugeArcPenWidth);
    arc.SetStartCap(Gdiplus::LineCapRound);
    arc.SetEndCap(Gdiplus::LineCapRound);
    graphics.DrawArc(&arc, square, kGaugeStartAngle, static_cast<Gdiplus::REAL>(face.sweep));

    if (m_pTextBrush == nullptr)
        return;
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    DrawGaugeText(graphics, face.valueText, m_pValueFont.get(), face.positions.value, *m_pTextBrush);
    DrawGaugeText(graphics, face.caption, m_pCaptionFont.get(), kGaugeCaptionPosition, *m_pTextBrush);
    FloatPoint unitAt = face.positions.unit;
    if (m_pValueFont != nullptr && m_pUnitFont != nullptr && !face.valueText.empty())
        unitAt.x = UnitSignLeft(graphics, face, *m_pValueFont, *m_pUnitFont);
    DrawGaugeText(graphics, face.unitText, m_pUnitFont.get(), unitAt, *m_pTextBrush);
}
