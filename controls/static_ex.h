// The transparent text label: one line of text drawn with GDI+ over a saved copy of the parent's
// pixels beneath the label, so the page shows through around the letters and a changed text leaves
// nothing of the old one. It redraws only when the text changes, so the monitor worker may set the
// same text every cycle at no cost.
//
// Use: bind it to a template static (DDX_Control), give it m_pTextBrush, SetTextFont, move it and
// set m_nWidth / m_nHeight to the size given to MoveWindow; m_nAlign chooses where the text goes
// (2, the default: ending at the right edge, centred vertically; 0: from the top-left corner).
//
// The parent's pixels are saved once, at the label's first erase or paint: the parent must have
// painted beneath the label by then, and a later change of the parent's picture there is not seen.
//
// Threads: SetText may be called from any thread. It only stores the text and invalidates the label
// (and, on the label's own thread, updates it at once); the painting reads a whole copy of the text.
// Everything else is for the UI thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/control_geometry.h"
#include "controls/label_layout.h"
#include "controls/label_text.h"
#include "controls/reading_targets.h"
#include "ui/gdiplus_api.h"
#include "ui/memory_dc.h"
#include "ui/static_control.h"

// How a page dresses a label: text family and size, and a solid text colour.
struct LabelStyle {
    const wchar_t* family;
    float size;           // points
    Gdiplus::ARGB colour;
};

class CStaticEx : public CStatic, public IReadingLabel {
public:
    // The usual set-up in one go: the style's brush and font, then the label moved to the box
    // (repainting) with m_nWidth / m_nHeight set to its size.
    void Arrange(const LabelStyle& style, int left, int top, int width, int height);

    // The text font: the installed family `family` (or a stand-in when it is missing, see
    // font_fallback.h), regular, `size` points.
    void SetTextFont(const std::wstring& family, float size);

    // A text that differs from the one on the screen is drawn; the same text again draws nothing.
    void SetText(const std::wstring& text) override;
    // The text to show, as last set.
    std::wstring Text() const { return m_Text.Text(); }

    GdiplusPtr<Gdiplus::Brush> m_pTextBrush; // owned; no text is drawn without it
    std::int32_t m_nWidth = 0;               // the label's box, as given to MoveWindow
    std::int32_t m_nHeight = 0;
    std::int32_t m_nAlign = kLabelAlignRightCentre;

protected:
    void PreSubclassWindow() override;
    BOOL OnEraseBkgnd(HDC hDC) override;
    void OnPaint() override;
    HBRUSH OnReflectCtlColor(HDC hDC, UINT message) override;

private:
    void SaveParentBackground();
    // A smaller copy of the text font when `text` is wider than the label (a fallback family is
    // often wider than the skin's own); null when the text fits.
    GdiplusPtr<Gdiplus::Font> FontFittingWidth(Gdiplus::Graphics& graphics, const std::wstring& text,
                                               const Gdiplus::StringFormat& format) const;

    GdiplusPtr<Gdiplus::Font> m_pTextFont;
    FloatPoint m_Origin;
    CLabelText m_Text;
    std::unique_ptr<CMemoryDC> m_pSavedBackground;
};
