// Data exchange between a dialog and its members. Binding a control id to a member control is the
// only exchange this program needs (DDX_Control).
#pragma once

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, bool bSaveAndValidate) : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate; // true: controls to members; false: members to controls
    bool m_bFailed = false;  // a binding failed (a control id not in the dialog)
};

// Binds the dialog's control `nIDC` to `rControl` by subclassing it, once: a control that already
// has its window is left as it is. A missing control marks the exchange as failed.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
