#include "controls/mem_dc_ex.h"

#include "controls/mem_dc_rect.h"

namespace {

PixelRect ToPixelRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool IsPrinting(HDC hDC)
{
    return GetDeviceCaps(hDC, TECHNOLOGY) == DT_RASPRINTER;
}

} // namespace

CMemDCEx::CMemDCEx(HDC target, const RECT& rect) : m_hTarget(target)
{
    RECT clipBox{};
    GetClipBox(target, &clipBox);
    const PixelRect chosen = ChooseBufferRect(ToPixelRect(rect), ToPixelRect(clipBox));
    m_rect = RECT{chosen.left, chosen.top, chosen.right, chosen.bottom};
    const int width = m_rect.right - m_rect.left;
    const int height = m_rect.bottom - m_rect.top;
    if (IsPrinting(target) || width <= 0 || height <= 0)
        return;
    m_buffer.emplace(target, width, height);
    if (!m_buffer->IsValid()) {
        m_buffer.reset();
        return;
    }
    SetWindowOrgEx(m_buffer->Get(), m_rect.left, m_rect.top, nullptr);
}

CMemDCEx::~CMemDCEx()
{
    if (!m_buffer)
        return;
    BitBlt(m_hTarget, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top,
           m_buffer->Get(), m_rect.left, m_rect.top, SRCCOPY);
}

void CMemDCEx::CopyFromTarget()
{
    if (!m_buffer)
        return;
    BitBlt(m_buffer->Get(), m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top,
           m_hTarget, m_rect.left, m_rect.top, SRCCOPY);
}
