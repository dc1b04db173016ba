#include "ui/button.h"

int CButton::GetCheck() const
{
    return static_cast<int>(SendMessageW(GetSafeHwnd(), BM_GETCHECK, 0, 0));
}

void CButton::SetCheck(int check)
{
    SendMessageW(GetSafeHwnd(), BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

UINT CButton::GetState() const
{
    return static_cast<UINT>(SendMessageW(GetSafeHwnd(), BM_GETSTATE, 0, 0));
}

UINT CButton::GetButtonStyle() const
{
    return GetStyle() & 0xFFFF;
}

void CButton::SetButtonStyle(UINT style, bool redraw)
{
    SendMessageW(GetSafeHwnd(), BM_SETSTYLE, style, redraw ? TRUE : FALSE);
}
