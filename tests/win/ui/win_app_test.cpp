// The application object around WinAppMain: a dialog program runs its main window modally inside
// InitInstance and returns FALSE; a program with a message loop returns TRUE and ends at WM_QUIT.
#include <gtest/gtest.h>

#include "recording_window.h"
#include "ui/dialog.h"
#include "ui/win_app.h"
#include "ui_test_resources.h"

namespace {

class CEndsWhenIdle : public CDialog {
public:
    CEndsWhenIdle() : CDialog(IDD_TEST_MODAL) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetTimer(1, 1);
        return TRUE;
    }
    void OnTimer(UINT_PTR) override { EndDialog(IDOK); }
};

class CTestApp : public CWinApp {
public:
    explicit CTestApp(bool dialogProgram) : m_bDialogProgram(dialogProgram) {}

    CallLog m_log;
    bool m_bDialogProgram;

    BOOL InitInstance() override
    {
        m_log.push_back("InitInstance " + std::to_string(m_nCmdShow) + (m_hInstance ? " with instance" : ""));
        if (!m_bDialogProgram) {
            PostQuitMessage(3);
            return TRUE;
        }
        CEndsWhenIdle mainWindow;
        m_pMainWnd = &mainWindow;
        m_log.push_back("main window ended " + std::to_string(mainWindow.DoModal()));
        m_pMainWnd = nullptr;
        return FALSE;
    }
    int Run() override
    {
        m_log.push_back("Run");
        return CWinApp::Run();
    }
    int ExitInstance() override
    {
        m_log.push_back("ExitInstance");
        return CWinApp::ExitInstance();
    }
};

TEST(WinApp, DialogProgramGoesFromInitInstanceStraightToExitInstance)
{
    CTestApp app(true);
    EXPECT_EQ(CWinApp::Current(), &app);
    EXPECT_EQ(WinAppMain(GetModuleHandleW(nullptr), SW_SHOWNORMAL), 0);
    EXPECT_EQ(app.m_log, (CallLog{"InitInstance 1 with instance", "main window ended 1", "ExitInstance"}));
}

TEST(WinApp, MessageLoopProgramEndsWithTheQuitCode)
{
    CTestApp app(false);
    EXPECT_EQ(WinAppMain(GetModuleHandleW(nullptr), SW_HIDE), 3);
    EXPECT_EQ(app.m_log, (CallLog{"InitInstance 0 with instance", "Run", "ExitInstance"}));
}

TEST(WinApp, NoApplicationObjectEndsAtOnce)
{
    {
        CTestApp gone(true);
    }
    EXPECT_EQ(CWinApp::Current(), nullptr);
    EXPECT_EQ(WinAppMain(GetModuleHandleW(nullptr), SW_SHOWNORMAL), -1);
}

} // namespace
