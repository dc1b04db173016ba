// The round temperature gauge: a background picture, a full ring, an arc from twelve o'clock whose
// length follows the temperature in degrees Celsius (100 °C fills the ring), the temperature as a
// large number in the chosen unit with the unit sign beside it, and the caption "CPU" or "GPU".
//
// Use: bind it to a template static (DDX_Control), SetFonts, set m_nPosX / m_nPosY, LoadBackground
// (the gauge takes the picture's size and moves there). The monitor worker then hands it a reading
// every cycle with SetValue. Until the first value it shows its picture and the ring only.
//
// Threads: SetValue may be called from any thread; it stores the new face under a lock and
// invalidates the gauge, and the UI thread's painting draws a whole copy of that face. The rest is
// for the UI thread.
#pragma once

#include <cstdint>
#include <string>

#include "controls/gauge_state.h"
#include "controls/reading_targets.h"
#include "ui/gdiplus_api.h"
#include "ui/static_control.h"

class CStaticProgress : public CStatic, public ITemperatureGauge {
public:
    // The picture under the ring and the texts. The gauge takes its size at (m_nPosX, m_nPosY),
    // repainting; a picture that cannot be read gives the gauge zero size.
    void LoadBackground(const std::wstring& path);
    // The three text fonts from the installed family `family` (or a stand-in when it is missing,
    // see font_fallback.h), and the white text brush.
    void SetFonts(const std::wstring& family);

    // selector 0 captions "CPU", 1 "GPU", others keep the caption; unit 0 shows Fahrenheit, others
    // Celsius. The same value and unit as last time change nothing and draw nothing.
    void SetValue(std::int32_t selector, std::int32_t celsius, std::uint8_t unit) override;

    std::int32_t m_nPosX = 0; // top-left corner in the parent's client coordinates, for LoadBackground
    std::int32_t m_nPosY = 0;

protected:
    void PreSubclassWindow() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC hDC) override;

private:
    void DrawFace(Gdiplus::Graphics& graphics, const GaugeFace& face) const;

    GdiplusPtr<Gdiplus::Image> m_pBackground;
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
    CGaugeState m_State;
    GdiplusPtr<Gdiplus::Font> m_pValueFont;
    GdiplusPtr<Gdiplus::Font> m_pCaptionFont;
    GdiplusPtr<Gdiplus::Font> m_pUnitFont;
    GdiplusPtr<Gdiplus::SolidBrush> m_pTextBrush;
};
