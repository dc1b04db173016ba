// The application object. The program defines exactly one, as a process-wide object, and its
// wWinMain hands over to WinAppMain:
//
//     CMyApp theApp;
//     int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
//     {
//         return WinAppMain(instance, showCommand);
//     }
//
// WinAppMain calls InitInstance; when that returns FALSE (a dialog program that ran its main window
// modally inside it) it goes straight to ExitInstance, otherwise Run pumps messages until WM_QUIT and
// then calls ExitInstance. ExitInstance's result is the process exit code.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The application object that exists now, or null.
    static CWinApp* Current();

    virtual BOOL InitInstance();
    // The message loop (with PreTranslateMessage); ends at WM_QUIT with ExitInstance's result.
    virtual int Run();
    // The exit code: the WM_QUIT code when Run ended on one, else 0.
    virtual int ExitInstance();

    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWDEFAULT;
    CWnd* m_pMainWnd = nullptr;

protected:
    int m_nExitCode = 0;
};

// What wWinMain runs; -1 when there is no application object.
int WinAppMain(HINSTANCE instance, int showCommand);
