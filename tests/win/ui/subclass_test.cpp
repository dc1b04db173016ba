// Binding objects to windows that already exist (template controls, system-class windows): the
// PreSubclassWindow hook, messages through the object and on to the control's own procedure, and
// the control's procedure given back.
#include <gtest/gtest.h>

#include "recording_window.h"
#include "ui/button.h"
#include "ui/static_control.h"

namespace {

constexpr UINT kButtonId = 300;

// A skinned-control-like button: turns itself into an owner-drawn button before it is subclassed.
class COwnerDrawButton : public CRecording<CButton> {
public:
    using CRecording::CRecording;

protected:
    void PreSubclassWindow() override
    {
        CRecording::PreSubclassWindow();
        ModifyStyle(0, WS_CLIPSIBLINGS | BS_OWNERDRAW, SWP_FRAMECHANGED);
    }
};

class SubclassTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTopLevel());
        m_hButton = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 40, 20,
                                    m_parent.GetSafeHwnd(), reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
        ASSERT_NE(m_hButton, nullptr);
        m_originalProc = GetWindowLongPtrW(m_hButton, GWLP_WNDPROC);
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CallLog m_log;
    CRecording<> m_parent{m_log, "parent"};
    HWND m_hButton = nullptr;
    LONG_PTR m_originalProc = 0;
};

TEST_F(SubclassTest, DlgItemRunsTheHookThenRoutesMessagesThroughTheObject)
{
    COwnerDrawButton button(m_log, "button");
    m_log.clear();
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, &m_parent));
    EXPECT_EQ(m_log, CallLog{"button.PreSubclassWindow"}) << "called once, with the window already bound";
    EXPECT_EQ(button.GetSafeHwnd(), m_hButton);
    EXPECT_EQ(CWnd::FromHandle(m_hButton), &button);
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_NE(button.GetStyle() & WS_CLIPSIBLINGS, 0u);

    m_log.clear();
    SendMessageW(m_hButton, WM_TIMER, 9, 0);
    EXPECT_EQ(m_log, CallLog{"button.Timer 9"});
    // The control's own procedure still does its work behind ours.
    EXPECT_TRUE(button.SetWindowText(L"check"));
    EXPECT_EQ(button.GetWindowText(), L"check");
}

TEST_F(SubclassTest, AWindowBindsToOneObjectAndAnObjectToOneWindow)
{
    CRecording<CButton> first(m_log), second(m_log);
    ASSERT_TRUE(first.SubclassWindow(m_hButton));
    EXPECT_FALSE(second.SubclassWindow(m_hButton));
    EXPECT_FALSE(first.SubclassWindow(m_parent.GetSafeHwnd()));
    EXPECT_FALSE(second.SubclassDlgItem(kButtonId + 1, &m_parent)) << "no such control";
    EXPECT_EQ(second.GetSafeHwnd(), nullptr);
}

TEST_F(SubclassTest, TheControlGetsItsProcedureBack)
{
    {
        CRecording<CButton> button(m_log);
        ASSERT_TRUE(button.SubclassWindow(m_hButton));
        EXPECT_NE(GetWindowLongPtrW(m_hButton, GWLP_WNDPROC), m_originalProc);
        EXPECT_EQ(button.UnsubclassWindow(), m_hButton);
        EXPECT_EQ(GetWindowLongPtrW(m_hButton, GWLP_WNDPROC), m_originalProc);
        ASSERT_TRUE(button.SubclassWindow(m_hButton)) << "bound again after unbinding";
    } // destroying the object unbinds too
    EXPECT_EQ(GetWindowLongPtrW(m_hButton, GWLP_WNDPROC), m_originalProc);
    EXPECT_EQ(CWnd::FromHandle(m_hButton), nullptr);
    SendMessageW(m_hButton, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageW(m_hButton, BM_GETCHECK, 0, 0), BST_CHECKED);
}

// Someone else subclassing the control after us: our procedure cannot be taken out of the chain
// when our object goes, and must then pass everything on to the control's own procedure.
WNDPROC g_previousProc = nullptr;
LRESULT CALLBACK OuterProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(g_previousProc, hWnd, message, wParam, lParam);
}

TEST_F(SubclassTest, AnObjectGoneUnderAnotherSubclassLeavesTheControlWorking)
{
    {
        CRecording<CButton> button(m_log);
        ASSERT_TRUE(button.SubclassWindow(m_hButton));
        g_previousProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(m_hButton, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OuterProc)));
    }
    m_log.clear();
    SendMessageW(m_hButton, WM_TIMER, 1, 0);
    SendMessageW(m_hButton, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageW(m_hButton, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(m_log.empty());
}

TEST_F(SubclassTest, WindowDestroyedFirstUnbindsTheObject)
{
    CRecording<CButton> button(m_log, "button");
    ASSERT_TRUE(button.SubclassWindow(m_hButton));
    m_log.clear();
    DestroyWindow(m_hButton);
    EXPECT_EQ(m_log, (CallLog{"button.Destroy", "button.PostNcDestroy"}));
    EXPECT_EQ(button.GetSafeHwnd(), nullptr);
}

TEST(SystemClassWindow, CreateExSubclassesAWindowOfAClassNotOurs)
{
    CallLog log;
    CRecording<> parent(log, "parent");
    ASSERT_TRUE(parent.CreateTopLevel());
    CRecording<CStatic> label(log, "label");
    log.clear();
    ASSERT_TRUE(label.CreateEx(0, L"STATIC", L"text", WS_CHILD | WS_VISIBLE | SS_LEFT, RECT{0, 0, 40, 20},
                               parent.GetSafeHwnd(), 301));
    EXPECT_EQ(log, CallLog{"label.PreSubclassWindow"});
    EXPECT_EQ(label.GetStaticType(), static_cast<UINT>(SS_LEFT));
    EXPECT_EQ(label.GetDlgCtrlID(), 301);
    log.clear();
    SendMessageW(label.GetSafeHwnd(), WM_TIMER, 2, 0);
    EXPECT_EQ(log, CallLog{"label.Timer 2"});
    parent.DestroyWindow();
}

} // namespace
