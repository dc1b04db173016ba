#include "ui/dialog.h"

#include "ui/message_pump.h"
#include "ui/resource_module.h"

CDialog::CDialog(UINT templateId, CWnd* pParentWnd) : m_nIDTemplate(templateId), m_pParentWnd(pParentWnd) {}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Only WM_INITDIALOG is ours here: it binds the object and subclasses the window, after which
    // every message reaches the object through its window procedure. The system dialog procedure
    // keeps calling this one; FALSE gives it its own default processing.
    if (message != WM_INITDIALOG || FromHandle(hWnd) != nullptr)
        return FALSE;
    auto* pDialog = reinterpret_cast<CDialog*>(lParam);
    if (pDialog == nullptr || pDialog->GetSafeHwnd() != nullptr || !pDialog->SubclassWindow(hWnd))
        return FALSE;
    return CallWindowProcOf(pDialog, hWnd, message, wParam, lParam);
}

bool CDialog::CreateFromTemplate(UINT templateId, HWND parent)
{
    if (GetSafeHwnd() != nullptr)
        return false;
    CreateDialogParamW(GetResourceModule(), MAKEINTRESOURCEW(templateId), parent, StaticDialogProc,
                       reinterpret_cast<LPARAM>(this));
    return GetSafeHwnd() != nullptr;
}

bool CDialog::Create(UINT templateId, CWnd* pParentWnd)
{
    m_nIDTemplate = templateId;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(templateId, pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr);
}

INT_PTR CDialog::DoModal()
{
    HWND parent = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : nullptr;
    const bool enableParentAgain = parent != nullptr && IsWindowEnabled(parent);
    if (enableParentAgain)
        ::EnableWindow(parent, FALSE);

    m_nModalResult = -1;
    m_bContinueModal = true; // EndDialog from OnInitDialog already ends the run
    if (CreateFromTemplate(m_nIDTemplate, parent)) {
        RunModalLoop();
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_bContinueModal = false;

    if (enableParentAgain)
        ::EnableWindow(parent, TRUE);
    HWND hWnd = GetSafeHwnd();
    if (parent != nullptr && hWnd != nullptr && GetActiveWindow() == hWnd)
        SetActiveWindow(parent);
    if (hWnd != nullptr)
        ::DestroyWindow(hWnd);
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    bool showWhenIdle = (GetStyle() & WS_VISIBLE) == 0;
    MSG msg;
    while (m_bContinueModal && GetSafeHwnd() != nullptr) {
        if (showWhenIdle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            showWhenIdle = false;
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
            continue;
        }
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the loop outside this one
            m_nModalResult = -1;
            return;
        }
        if (got == -1)
            return;
        FilterAndDispatch(msg);
    }
}

void CDialog::EndDialog(INT_PTR result)
{
    m_nModalResult = result;
    if (m_bContinueModal) {
        m_bContinueModal = false;
        PostMessage(WM_NULL); // wakes the loop if it is waiting
    }
}

bool CDialog::UpdateData(bool bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

bool CDialog::PreTranslateMessage(MSG& msg)
{
    const bool keyboard = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    const bool mouse = msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
    if (!keyboard && !mouse)
        return false;
    return IsDialogMessageW(GetSafeHwnd(), &msg) != FALSE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(UINT id, UINT notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED)
        return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}
