#include "app/zelvane_app.h"

#include <commctrl.h>

#include "app/main_dialog.h"
#include "hardware/library_module.h"

BOOL CCZelvaneApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // The program runs elevated: a DLL planted in the current folder must never be loaded.
    RemoveCurrentFolderFromDllSearch();
    m_GdiplusSession.emplace();

    // Held open for the life of the process: the mutex exists while a copy runs.
    HANDLE instance = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (!instance)
        return FALSE;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        DWORD recipients = BSM_APPLICATIONS;
        BroadcastSystemMessageW(BSF_POSTMESSAGE, &recipients, ActivationMessage(), 0, 0);
        return FALSE;
    }

    CCZelvaneDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CCZelvaneApp::ExitInstance()
{
    m_GdiplusSession.reset();
    return CWinApp::ExitInstance();
}
