#include "ui/win_app.h"

#include "ui/message_pump.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* CWinApp::Current()
{
    return g_pApp;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0 && got != -1)
        FilterAndDispatch(msg);
    if (got == 0)
        m_nExitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

int WinAppMain(HINSTANCE instance, int showCommand)
{
    CWinApp* app = CWinApp::Current();
    if (app == nullptr)
        return -1;
    app->m_hInstance = instance;
    app->m_nCmdShow = showCommand;
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
