#include "controls/slider_state.h"

#include "controls/slider_fill.h"

bool CSliderState::ApplyBarValue(std::int32_t value, std::int32_t clientWidth)
{
    const std::int32_t min = m_nMin.load();
    const std::int32_t max = m_nMax.load();
    if (value < min || value > max || value == m_nValue.load())
        return false;
    m_nPos.store(SliderFillLength(clientWidth, value, min, max));
    m_nValue.store(value);
    return true;
}
