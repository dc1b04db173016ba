// Dialogs from templates created modeless: a child page of a window, its controls bound to member
// objects by data exchange, its messages reaching its handlers.
#include <gtest/gtest.h>

#include "message_helpers.h"
#include "recording_window.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/static_control.h"
#include "ui/window_class.h"
#include "ui_test_resources.h"

namespace {

class CTestPage : public CRecording<CDialog> {
public:
    CTestPage(CallLog& log, bool bindMissingControl = false)
        : CRecording(log, "page"), m_button(log, "button"), m_label(log, "label"), m_bBindMissing(bindMissingControl)
    {
    }

    CRecording<CButton> m_button;
    CRecording<CStatic> m_label;
    CRecording<CStatic> m_missing{m_log, "missing"};
    bool m_bBindMissing;
    BOOL m_bInitResult = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        Record("DoDataExchange " + std::to_string(pDX->m_bSaveAndValidate));
        DDX_Control(pDX, IDC_PAGE_BUTTON, m_button);
        if (m_bBindMissing)
            DDX_Control(pDX, IDC_PAGE_MISSING, m_missing);
        DDX_Control(pDX, IDC_PAGE_LABEL, m_label);
    }
    BOOL OnInitDialog() override
    {
        Record("InitDialog");
        m_bInitResult = CDialog::OnInitDialog();
        return m_bInitResult;
    }
};

class DialogTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.CreateTopLevel(WS_POPUP | WS_VISIBLE)); }
    void TearDown() override { m_parent.DestroyWindow(); }

    CallLog m_log;
    CRecording<> m_parent{m_log, "parent"};
};

TEST_F(DialogTest, ModelessPageIsAChildWithItsControlsBoundAtInitialisation)
{
    CTestPage page(m_log);
    m_log.clear();
    ASSERT_TRUE(page.Create(IDD_TEST_PAGE, &m_parent));
    EXPECT_EQ(m_log, (CallLog{"page.PreSubclassWindow", "page.InitDialog", "page.DoDataExchange 0",
                              "button.PreSubclassWindow", "label.PreSubclassWindow"}));
    EXPECT_TRUE(page.m_bInitResult);
    EXPECT_EQ(page.GetParent(), m_parent.GetSafeHwnd());
    EXPECT_NE(page.GetStyle() & WS_CHILD, 0u);
    EXPECT_TRUE(page.IsWindowVisible());
    EXPECT_EQ(page.m_button.GetSafeHwnd(), page.GetDlgItem(IDC_PAGE_BUTTON));
    EXPECT_EQ(page.m_label.GetSafeHwnd(), page.GetDlgItem(IDC_PAGE_LABEL));
    EXPECT_FALSE(page.Create(IDD_TEST_PAGE, &m_parent)) << "one window per object";
}

TEST_F(DialogTest, PageHandlesItsOwnMessagesAndItsControlsClicks)
{
    CTestPage page(m_log);
    ASSERT_TRUE(page.Create(IDD_TEST_PAGE, &m_parent));
    m_log.clear();
    page.m_button.SendMessage(BM_CLICK);
    EXPECT_EQ(Matching(m_log, {"Command"}), CallLog{"page.Command 1001 0 child"});

    m_log.clear();
    page.SetTimer(1, 10);
    EXPECT_TRUE(PumpUntil([&] { return !Matching(m_log, {"Timer"}).empty(); }));
    page.KillTimer(1);
    EXPECT_EQ(Matching(m_log, {"Timer"}).front(), "page.Timer 1");
}

TEST_F(DialogTest, DataExchangeBindsEachControlOnceAndReportsAMissingOne)
{
    CTestPage page(m_log, true);
    ASSERT_TRUE(page.Create(IDD_TEST_PAGE, &m_parent));
    EXPECT_EQ(page.m_button.GetSafeHwnd(), page.GetDlgItem(IDC_PAGE_BUTTON));
    EXPECT_EQ(page.m_label.GetSafeHwnd(), page.GetDlgItem(IDC_PAGE_LABEL)) << "bound after the missing one";
    EXPECT_EQ(page.m_missing.GetSafeHwnd(), nullptr);

    m_log.clear();
    EXPECT_FALSE(page.UpdateData(true));
    EXPECT_EQ(m_log, CallLog{"page.DoDataExchange 1"}) << "bound controls are not subclassed again";
}

TEST_F(DialogTest, DestroyingThePageWindowUnbindsPageAndControls)
{
    CTestPage page(m_log);
    ASSERT_TRUE(page.Create(IDD_TEST_PAGE, &m_parent));
    m_parent.DestroyWindow();
    EXPECT_EQ(page.GetSafeHwnd(), nullptr);
    EXPECT_EQ(page.m_button.GetSafeHwnd(), nullptr);
    EXPECT_EQ(page.m_label.GetSafeHwnd(), nullptr);
}

// A popup template naming a class of its own, registered as a copy of the system dialog class, run
// modally as the program's main window is.
class COwnClassDialog : public CRecording<CDialog> {
public:
    explicit COwnClassDialog(CallLog& log) : CRecording(log, "dialog", IDD_TEST_OWN_CLASS) {}
    std::wstring m_className;

protected:
    BOOL OnInitDialog() override
    {
        wchar_t name[64] = {};
        GetClassNameW(GetSafeHwnd(), name, 64);
        m_className = name;
        PostMessage(WM_COMMAND, MAKEWPARAM(IDC_OWN_CLASS_BUTTON, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(IDC_OWN_CLASS_BUTTON)));
        return CDialog::OnInitDialog();
    }
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override
    {
        if (id == IDC_OWN_CLASS_BUTTON)
            EndDialog(1000);
        return CRecording::OnCommand(id, notifyCode, control);
    }
};

TEST(OwnDialogClass, TemplateWithItsOwnClassRunsModally)
{
    EXPECT_TRUE(RegisterDialogClass(L"" TEST_DIALOG_CLASS));
    EXPECT_TRUE(RegisterDialogClass(L"" TEST_DIALOG_CLASS)) << "an existing registration is fine";
    CallLog log;
    COwnClassDialog dialog(log);
    EXPECT_EQ(dialog.DoModal(), 1000);
    EXPECT_EQ(dialog.m_className, L"" TEST_DIALOG_CLASS);
    EXPECT_EQ(Matching(log, {"Command"}), CallLog{"dialog.Command 1030 0 child"});
}

} // namespace
