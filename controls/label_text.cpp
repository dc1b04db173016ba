#include "controls/label_text.h"

#include <utility>

bool CLabelText::SetText(std::wstring text, bool hasWindow)
{
    const std::lock_guard lock(m_Lock);
    m_strText = std::move(text);
    if (!hasWindow || m_strText == m_strShownText)
        return false;
    m_strShownText = m_strText;
    return true;
}

std::wstring CLabelText::Text() const
{
    const std::lock_guard lock(m_Lock);
    return m_strText;
}
