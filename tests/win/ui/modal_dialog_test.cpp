// The modal loop of our own: ended by EndDialog from a posted message, its filters seeing the
// keyboard before the dialog does, Enter and Escape closing the dialog only through OnOK and OnCancel.
#include <gtest/gtest.h>

#include <functional>

#include "message_helpers.h"
#include "recording_window.h"
#include "ui/dialog.h"
#include "ui_test_resources.h"

namespace {

constexpr UINT kEndMessage = WM_APP + 1; // the script's last message: EndDialog(kScriptEnd)
constexpr INT_PTR kScriptEnd = 42;

// A modal dialog run by a script: OnInitDialog posts the script's messages and sets a timer. The
// timer comes once the queue is idle, after everything the script caused; it then runs m_onTimer,
// or by default posts kEndMessage, which ends the dialog with kScriptEnd.
class CScriptedDialog : public CRecording<CDialog> {
public:
    CScriptedDialog(CallLog& log, std::string name, CWnd* parent = nullptr)
        : CRecording(log, std::move(name), IDD_TEST_MODAL, parent)
    {
    }

    struct Post {
        bool toLabel; // else to the dialog itself
        UINT message;
        WPARAM wParam;
    };
    std::vector<Post> m_script;
    bool m_bOverrideOkCancel = false; // OnOK / OnCancel do nothing, as the program's windows do
    bool m_bSwallowEnterEscape = false; // the filter swallows the keys, as the program's windows do
    UINT m_nTimerMs = 20;
    std::function<void()> m_onTimer;

    bool PreTranslateMessage(MSG& msg) override
    {
        if (msg.message == WM_KEYDOWN) {
            Record(std::string("Filter key ") + std::to_string(msg.wParam) +
                   (msg.hwnd == GetSafeHwnd() ? " to dialog" : " to control"));
            if (m_bSwallowEnterEscape && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE))
                return true;
        }
        return CDialog::PreTranslateMessage(msg);
    }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (const Post& post : m_script)
            PostMessageW(post.toLabel ? GetDlgItem(IDC_MODAL_LABEL) : GetSafeHwnd(), post.message, post.wParam, 0);
        SetTimer(1, m_nTimerMs);
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kEndMessage) {
            EndDialog(kScriptEnd);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
    void OnTimer(UINT_PTR id) override
    {
        KillTimer(id);
        Record("Timer");
        if (m_onTimer)
            m_onTimer();
        else
            PostMessage(kEndMessage);
    }
    void OnOK() override
    {
        Record("OnOK");
        if (!m_bOverrideOkCancel)
            CDialog::OnOK();
    }
    void OnCancel() override
    {
        Record("OnCancel");
        if (!m_bOverrideOkCancel)
            CDialog::OnCancel();
    }
};

TEST(ModalDialog, EnterEscapeAndCloseEndTheDialogOnlyThroughOkAndCancel)
{
    struct Case {
        const char* name;
        bool overrideOkCancel;
        bool swallowInFilter;
        CScriptedDialog::Post post;
        INT_PTR result;
        CallLog log;
    };
    const Case cases[] = {
        {"Enter", false, false, {false, WM_KEYDOWN, VK_RETURN}, IDOK, {"d.Filter key 13 to dialog", "d.OnOK"}},
        {"Escape", false, false, {false, WM_KEYDOWN, VK_ESCAPE}, IDCANCEL, {"d.Filter key 27 to dialog", "d.OnCancel"}},
        {"Enter on a control", false, false, {true, WM_KEYDOWN, VK_RETURN}, IDOK,
         {"d.Filter key 13 to control", "d.OnOK"}},
        {"close request", false, false, {false, WM_CLOSE, 0}, IDCANCEL, {"d.OnCancel"}},
        {"Enter, OnOK overridden", true, false, {false, WM_KEYDOWN, VK_RETURN}, kScriptEnd,
         {"d.Filter key 13 to dialog", "d.OnOK"}},
        {"Escape, OnCancel overridden", true, false, {false, WM_KEYDOWN, VK_ESCAPE}, kScriptEnd,
         {"d.Filter key 27 to dialog", "d.OnCancel"}},
        {"Enter swallowed by the filter", false, true, {false, WM_KEYDOWN, VK_RETURN}, kScriptEnd,
         {"d.Filter key 13 to dialog"}},
        {"Escape swallowed by the filter", false, true, {true, WM_KEYDOWN, VK_ESCAPE}, kScriptEnd,
         {"d.Filter key 27 to control"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CallLog log;
        CScriptedDialog dialog(log, "d");
        dialog.m_script = {c.post};
        dialog.m_bOverrideOkCancel = c.overrideOkCancel;
        dialog.m_bSwallowEnterEscape = c.swallowInFilter;
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(Matching(log, {"Filter", "OnOK", "OnCancel"}), c.log);
        PumpPending(); // what the ended dialog left in the queue
    }
}

TEST(ModalDialog, ShowsWhenIdleKeepsTheParentDisabledAndCleansUp)
{
    CallLog log;
    CRecording<> parent(log, "parent");
    ASSERT_TRUE(parent.CreateTopLevel(WS_POPUP | WS_VISIBLE));
    CScriptedDialog dialog(log, "d", &parent);
    bool visible = false, parentEnabled = true;
    HWND hDialog = nullptr;
    dialog.m_onTimer = [&] {
        hDialog = dialog.GetSafeHwnd();
        visible = dialog.IsWindowVisible();
        parentEnabled = IsWindowEnabled(parent.GetSafeHwnd()) != FALSE;
        dialog.EndDialog(7);
    };

    for (int run = 0; run < 2; ++run) { // the same object runs again
        SCOPED_TRACE(run);
        visible = false;
        parentEnabled = true;
        EXPECT_EQ(dialog.DoModal(), 7);
        EXPECT_TRUE(visible) << "a template without WS_VISIBLE is shown by the loop";
        EXPECT_FALSE(parentEnabled);
        EXPECT_TRUE(IsWindowEnabled(parent.GetSafeHwnd()));
        EXPECT_FALSE(IsWindow(hDialog));
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    }
    parent.DestroyWindow();
}

TEST(ModalDialog, MissingTemplateReturnsMinusOneAndLeavesTheParentEnabled)
{
    CallLog log;
    CRecording<> parent(log, "parent");
    ASSERT_TRUE(parent.CreateTopLevel());
    CDialog dialog(IDD_TEST_MODAL + 100, &parent);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(IsWindowEnabled(parent.GetSafeHwnd()));
    parent.DestroyWindow();
}

TEST(ModalDialog, QuitEndsTheLoopAndIsLeftForTheLoopOutside)
{
    CallLog log;
    CScriptedDialog dialog(log, "d");
    dialog.m_nTimerMs = 1;
    dialog.m_onTimer = [] { PostQuitMessage(5); };
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

TEST(ModalDialog, EndingInInitialisationSkipsTheLoop)
{
    class CEndsAtOnce : public CDialog {
    public:
        CEndsAtOnce() : CDialog(IDD_TEST_MODAL) {}

    protected:
        BOOL OnInitDialog() override
        {
            EndDialog(3);
            return TRUE;
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), 3);
}

TEST(ModalDialog, ANestedModalPopupEndsOnlyItsOwnLoop)
{
    CallLog log;
    CScriptedDialog outer(log, "outer");
    CScriptedDialog inner(log, "inner", &outer);
    bool outerEnabledDuringInner = true;
    inner.m_onTimer = [&] {
        outerEnabledDuringInner = outer.IsWindowVisible() && IsWindowEnabled(outer.GetSafeHwnd());
        inner.EndDialog(8);
    };
    outer.m_onTimer = [&] {
        const INT_PTR innerResult = inner.DoModal();
        log.push_back("inner returned " + std::to_string(innerResult));
        outer.EndDialog(9);
    };
    EXPECT_EQ(outer.DoModal(), 9);
    EXPECT_EQ(Matching(log, {"Timer", "inner returned"}), (CallLog{"outer.Timer", "inner.Timer", "inner returned 8"}));
    EXPECT_FALSE(outerEnabledDuringInner);
}

} // namespace
