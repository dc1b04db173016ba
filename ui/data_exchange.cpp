#include "ui/data_exchange.h"

#include "ui/wnd.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.GetSafeHwnd() != nullptr)
        return;
    if (!rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd))
        pDX->m_bFailed = true;
}
