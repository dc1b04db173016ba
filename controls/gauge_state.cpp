#include "controls/gauge_state.h"

#include <utility>

bool CGaugeState::SetValue(std::int32_t selector, std::int32_t celsius, std::int32_t unitFlag)
{
    const std::lock_guard lock(m_Lock);
    if (m_bHasValue && celsius == m_nLastValue && unitFlag == m_nLastUnit)
        return false;

    GaugeValueText text = FormatGaugeValue(celsius, unitFlag);
    m_Face.caption = GaugeCaption(selector, m_Face.caption);
    m_Face.positions = PlaceGaugeTexts(text.value.size(), m_Face.positions);
    m_Face.valueText = std::move(text.value);
    m_Face.unitText = std::move(text.unit);
    m_Face.sweep = GaugeSweep(celsius);
    m_bHasValue = true;
    m_nLastValue = celsius;
    m_nLastUnit = unitFlag;
    return true;
}

GaugeFace CGaugeState::Face() const
{
    const std::lock_guard lock(m_Lock);
    return m_Face;
}
