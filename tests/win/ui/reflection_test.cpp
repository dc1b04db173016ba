// Notifications that a child control sends to its parent go first to the child's own object; only
// what the child leaves goes to the parent's handlers.
#include <gtest/gtest.h>

#include <functional>

#include "message_helpers.h"
#include "recording_window.h"

namespace {

constexpr UINT kChildId = 300;

class CReflectingControl : public CRecording<> {
public:
    using CRecording::CRecording;
    bool m_bHandles = true;
    HBRUSH m_hBrush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));

protected:
    bool OnReflectDrawItem(DRAWITEMSTRUCT& item) override
    {
        Record("ReflectDrawItem " + std::to_string(item.CtlID));
        return m_bHandles;
    }
    HBRUSH OnReflectCtlColor(HDC, UINT message) override
    {
        Record("ReflectCtlColor " + std::to_string(message));
        return m_bHandles ? m_hBrush : nullptr;
    }
    bool OnReflectCommand(UINT notifyCode) override
    {
        Record("ReflectCommand " + std::to_string(notifyCode));
        return m_bHandles;
    }
    bool OnReflectNotify(NMHDR& header, LRESULT& result) override
    {
        Record("ReflectNotify " + std::to_string(header.code));
        result = 77;
        return m_bHandles;
    }
};

class ReflectionTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTopLevel(WS_POPUP | WS_VISIBLE));
        m_hDC = GetDC(m_parent.GetSafeHwnd());
    }
    void TearDown() override
    {
        ReleaseDC(m_parent.GetSafeHwnd(), m_hDC);
        m_parent.DestroyWindow();
    }

    CallLog m_log;
    CRecording<> m_parent{m_log, "parent"};
    HDC m_hDC = nullptr;
};

TEST_F(ReflectionTest, ChildMessagesGoToTheChildFirstAndToTheParentWhenLeft)
{
    CReflectingControl child(m_log, "child");
    ASSERT_TRUE(child.CreateChild(m_parent, kChildId));
    HWND hChild = child.GetSafeHwnd();
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kChildId;
    item.hwndItem = hChild;
    item.hDC = m_hDC;
    NMHDR header{hChild, kChildId, 1234};

    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        CallLog handledByChild;
        LRESULT childResult;
        CallLog leftToParent;
    };
    const LRESULT brush = reinterpret_cast<LRESULT>(child.m_hBrush);
    const Case cases[] = {
        {"owner drawing", WM_DRAWITEM, kChildId, reinterpret_cast<LPARAM>(&item), {"child.ReflectDrawItem 300"}, TRUE,
         {"child.ReflectDrawItem 300", "parent.DrawItem 300"}},
        {"colour of a static", WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(m_hDC), reinterpret_cast<LPARAM>(hChild),
         {"child.ReflectCtlColor 312"}, brush, {"child.ReflectCtlColor 312", "parent.CtlColor 312"}},
        {"colour of a button", WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(m_hDC), reinterpret_cast<LPARAM>(hChild),
         {"child.ReflectCtlColor 309"}, brush, {"child.ReflectCtlColor 309", "parent.CtlColor 309"}},
        {"click", WM_COMMAND, MAKEWPARAM(kChildId, BN_CLICKED), reinterpret_cast<LPARAM>(hChild),
         {"child.ReflectCommand 0"}, 0, {"child.ReflectCommand 0", "parent.Command 300 0 child"}},
        {"notification", WM_NOTIFY, kChildId, reinterpret_cast<LPARAM>(&header), {"child.ReflectNotify 1234"}, 77,
         {"child.ReflectNotify 1234", "parent.Notify 1234"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        child.m_bHandles = true;
        m_log.clear();
        EXPECT_EQ(m_parent.SendMessage(c.message, c.wParam, c.lParam), c.childResult);
        EXPECT_EQ(m_log, c.handledByChild);

        child.m_bHandles = false;
        m_log.clear();
        m_parent.SendMessage(c.message, c.wParam, c.lParam);
        EXPECT_EQ(m_log, c.leftToParent);
    }
}

TEST_F(ReflectionTest, ChildWithoutAnObjectNotifiesTheParent)
{
    HWND hButton = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 40, 20,
                                   m_parent.GetSafeHwnd(), reinterpret_cast<HMENU>(kChildId), nullptr, nullptr);
    m_log.clear();
    SendMessageW(hButton, BM_CLICK, 0, 0);
    EXPECT_EQ(Matching(m_log, {"Command"}), CallLog{"parent.Command 300 0 child"});
}

// Real controls painting themselves: an owner-drawn button asks for its colour and then for its
// drawing, a text static for its colour, and each request arrives at the control's object.
TEST_F(ReflectionTest, RealControlsReflectTheirPaintingRequests)
{
    struct Case {
        const char* name;
        const wchar_t* className;
        DWORD style;
        CallLog expected;
    };
    const Case cases[] = {
        {"owner-drawn button", L"BUTTON", BS_OWNERDRAW, {"child.ReflectCtlColor 309", "child.ReflectDrawItem 300"}},
        {"text static", L"STATIC", SS_LEFT, {"child.ReflectCtlColor 312"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CReflectingControl child(m_log, "child");
        ASSERT_TRUE(child.CreateEx(0, c.className, L"text", WS_CHILD | WS_VISIBLE | c.style, RECT{0, 0, 60, 20},
                                   m_parent.GetSafeHwnd(), kChildId));
        PumpPending();
        m_log.clear();
        child.Invalidate(false); // the paint alone (an owner-drawn button's erase asks for its colour too)
        child.UpdateWindow();
        EXPECT_EQ(m_log, c.expected);
        child.DestroyWindow();
    }
}

} // namespace
