#include "pages/skinned_page.h"

#include "skin/background_painting.h"
#include "skin/window_shape.h"

CSkinnedPage::~CSkinnedPage()
{
    m_pBackground.reset();
    DestroyWindow();
}

void CSkinnedPage::CreatePage(UINT templateId, UINT backgroundId, CWnd* parent)
{
    Create(templateId, parent);
    ShapeWindowFromPng(*this, backgroundId, m_pBackground, m_Region);
}

BOOL CSkinnedPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowPos(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
    return TRUE;
}

void CSkinnedPage::OnPaint()
{
    PaintBackground(GetSafeHwnd(), m_pBackground.get());
}

BOOL CSkinnedPage::OnEraseBkgnd(HDC hDC)
{
    return SkipBackgroundErase(hDC);
}
