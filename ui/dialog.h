// A dialog from a resource template (in the resource module, see resource_module.h).
//
// Modeless: Create(templateId, parent) makes the window (a page, a child of its parent) and returns.
// Modal: DoModal() disables the parent, creates the window, runs this framework's own message loop
// until EndDialog, then hides and destroys the window, enables the parent again and returns the
// result. The loop offers every message to PreTranslateMessage (of the target window and its
// parents and owners, so a modal popup's filter sees the messages of its buttons), shows a dialog
// that is not yet visible when its queue first runs empty, and ends with -1 on WM_QUIT, which it
// posts again for the loop outside.
//
// The dialog window is subclassed at WM_INITDIALOG, so from then on it is dispatched like any CWnd
// (handlers return the message result directly). OnInitDialog runs DoDataExchange (UpdateData
// false): DDX_Control binds the member controls there. Commands IDOK and IDCANCEL (Enter and Escape
// through IsDialogMessage, WM_CLOSE through the system dialog procedure) call OnOK and OnCancel,
// which end the dialog by default; override them, or swallow the keys in PreTranslateMessage, to
// keep Enter and Escape from closing a window.
#pragma once

#include <windows.h>

#include "ui/data_exchange.h"
#include "ui/wnd.h"

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* pParentWnd = nullptr);

    // Modeless creation from a template; true when the window exists.
    bool Create(UINT templateId, CWnd* pParentWnd = nullptr);
    // Modal run of the constructor's template; the value given to EndDialog, or -1 when the window
    // could not be made or WM_QUIT ended the loop.
    INT_PTR DoModal();
    // Ends the modal loop with `result` (any time from OnInitDialog on).
    void EndDialog(INT_PTR result);
    // Runs DoDataExchange; false when a binding failed.
    bool UpdateData(bool bSaveAndValidate = true);

    // The dialog's filter: keyboard and mouse messages go to IsDialogMessage (Tab, Enter, Escape).
    bool PreTranslateMessage(MSG& msg) override;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL OnInitDialog() override;
    // Enter / the OK command: UpdateData(true), then EndDialog(IDOK).
    virtual void OnOK();
    // Escape, WM_CLOSE / the Cancel command: EndDialog(IDCANCEL).
    virtual void OnCancel();
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateFromTemplate(UINT templateId, HWND parent);
    void RunModalLoop();

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;
    INT_PTR m_nModalResult = -1;
    bool m_bContinueModal = false;
};
