// The horizontal value bar: a track picture with a fill picture drawn over it from the left edge,
// squeezed or stretched to the fill length m_nPos. The bar takes no input.
//
// Use: bind it to a template static (DDX_Control), set m_nPosX / m_nPosY, m_nMin and m_nMax, call
// LoadImages (the bar takes the track picture's size and moves there). The monitor worker then
// moves it with ShowValue from its own thread.
//
// Threads: m_nMin, m_nMax, m_nPos and m_nValue are whole 32-bit atomics, so the worker's writes and
// the UI thread's painting never see half a value. ShowValue only stores and invalidates; the
// painting happens in the UI thread's WM_PAINT.
#pragma once

#include <cstdint>
#include <string>

#include "controls/slider_state.h"
#include "controls/reading_targets.h"
#include "ui/gdiplus_api.h"
#include "ui/static_control.h"

class CSliderEx : public CStatic, public IReadingBar {
public:
    // One of the bar's shared values, read and written whole like a plain member:
    // `bar.m_nMax = 5000;`, `int fill = bar.m_nPos;`.
    class CSharedValue {
    public:
        enum class Which { Min, Max, Pos, Value };
        CSharedValue(CSliderState& state, Which which) : m_State(state), m_Which(which) {}
        CSharedValue(const CSharedValue&) = delete;

        operator std::int32_t() const;
        CSharedValue& operator=(std::int32_t value);
        CSharedValue& operator=(const CSharedValue& other) { return *this = static_cast<std::int32_t>(other); }

    private:
        CSliderState& m_State;
        const Which m_Which;
    };

    // Full paths of the track and the fill picture. With a track path, both are loaded and the bar
    // takes the track picture's size at (m_nPosX, m_nPosY), repainting; an empty track path loads
    // nothing. A track picture that cannot be read gives the bar zero size.
    void LoadImages(const std::wstring& track, const std::wstring& fill);

    // The monitor worker's bar rule, from any thread: a value inside m_nMin..m_nMax that differs
    // from m_nValue sets m_nPos from the client width, remembers the value and invalidates the bar.
    // Anything else, or a bar without a window, leaves the bar as it is.
    void ShowValue(std::int32_t value) override;

    std::int32_t m_nPosX = 0; // top-left corner in the parent's client coordinates, for LoadImages
    std::int32_t m_nPosY = 0;

private:
    CSliderState m_State; // before the values below, which refer to it

public:
    CSharedValue m_nMin{m_State, CSharedValue::Which::Min}; // the value range, 0 and 0 at first
    CSharedValue m_nMax{m_State, CSharedValue::Which::Max};
    CSharedValue m_nPos{m_State, CSharedValue::Which::Pos};     // fill length in pixels
    CSharedValue m_nValue{m_State, CSharedValue::Which::Value}; // the value last shown

protected:
    void PreSubclassWindow() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC hDC) override;

private:
    GdiplusPtr<Gdiplus::Image> m_pTrackImage;
    GdiplusPtr<Gdiplus::Image> m_pFillImage;
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
};
