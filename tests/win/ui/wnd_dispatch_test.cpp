// A window made by CWnd::CreateEx: bound from creation to destruction, each message reaching its
// named handler with its arguments, everything else getting the default processing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "message_helpers.h"
#include "recording_window.h"
#include "ui/paint_dc.h"

namespace {

TEST(WndLifetime, BoundFromCreationToDestructionWithHandlersInOrder)
{
    CallLog log;
    CRecording<> wnd(log);
    ASSERT_TRUE(wnd.CreateTopLevel());
    HWND hWnd = wnd.GetSafeHwnd();
    EXPECT_EQ(CWnd::FromHandle(hWnd), &wnd);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "Create");

    log.clear();
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(log, (CallLog{"Destroy", "PostNcDestroy"}));
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(hWnd), nullptr);
    EXPECT_FALSE(IsWindow(hWnd));
}

TEST(WndLifetime, ObjectDestroyedFirstLeavesAWorkingWindow)
{
    CallLog log;
    HWND hWnd;
    {
        CRecording<> wnd(log);
        ASSERT_TRUE(wnd.CreateTopLevel());
        hWnd = wnd.GetSafeHwnd();
    }
    EXPECT_TRUE(IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandle(hWnd), nullptr);
    log.clear();
    SendMessageW(hWnd, WM_TIMER, 3, 0); // no object any more: nothing may be called
    EXPECT_TRUE(SetWindowTextW(hWnd, L"still works"));
    EXPECT_TRUE(DestroyWindow(hWnd));
    EXPECT_TRUE(log.empty());
}

TEST(WndDispatch, EachMessageReachesItsHandlerWithItsArguments)
{
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* expected;
    };
    const Case cases[] = {
        {"timer", WM_TIMER, 7, 0, "Timer 7"},
        {"move left of and above the window", WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, -5), "MouseMove 1 -3,-5"},
        {"hover", WM_MOUSEHOVER, 0, MAKELPARAM(10, 12), "MouseHover 0 10,12"},
        {"leave", WM_MOUSELEAVE, 0, 0, "MouseLeave"},
        {"button down", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 30), "LButtonDown 1 4,30"},
        {"button up", WM_LBUTTONUP, 0, MAKELPARAM(4, 31), "LButtonUp 0 4,31"},
        {"double click", WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(1, 2), "LButtonDblClk 1 1,2"},
        {"size", WM_SIZE, SIZE_RESTORED, MAKELPARAM(1049, 600), "Size 0 1049x600"},
        {"menu command", WM_COMMAND, MAKEWPARAM(5, 0), 0, "Command 5 0"},
        {"device arrival", WM_DEVICECHANGE, 0x8000, 0, "DeviceChange 32768 0"},
    };
    CallLog log;
    CRecording<> wnd(log);
    ASSERT_TRUE(wnd.CreateTopLevel());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        SendMessageW(wnd.GetSafeHwnd(), c.message, c.wParam, c.lParam);
        EXPECT_EQ(log, CallLog{c.expected});
    }
    EXPECT_EQ(SendMessageW(wnd.GetSafeHwnd(), WM_DEVICECHANGE, 0x8000, 0), TRUE) << "the handler's result";
}

// A window that handles nothing itself.
class CPlainWnd : public CWnd {
public:
    bool Create() { return CreateEx(0, nullptr, L"plain", WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50}, nullptr, 0); }
};

TEST(WndDispatch, BaseHandlersRunTheDefaultProcessing)
{
    CPlainWnd wnd;
    ASSERT_TRUE(wnd.Create());
    // The base OnPaint must let the default procedure validate, or WM_PAINT would come for ever.
    wnd.Invalidate(false);
    wnd.UpdateWindow();
    EXPECT_FALSE(GetUpdateRect(wnd.GetSafeHwnd(), nullptr, FALSE));
    // Messages without a handler: the default procedure keeps the text.
    EXPECT_TRUE(wnd.SetWindowText(L"Zelvane"));
    EXPECT_EQ(wnd.GetWindowText(), L"Zelvane");
    wnd.DestroyWindow();
}

class CThrowingWnd : public CRecording<> {
public:
    using CRecording::CRecording;

protected:
    void OnTimer(UINT_PTR id) override
    {
        Record("Timer " + std::to_string(id));
        if (id == 13)
            throw std::runtime_error("handler failed");
    }
};

TEST(WndDispatch, AnExceptionInAHandlerStaysInsideTheWindowProcedure)
{
    CallLog log;
    CThrowingWnd wnd(log);
    ASSERT_TRUE(wnd.CreateTopLevel());
    SendMessageW(wnd.GetSafeHwnd(), WM_TIMER, 13, 0);
    SendMessageW(wnd.GetSafeHwnd(), WM_TIMER, 14, 0);
    EXPECT_EQ(log.back(), "Timer 14");
    EXPECT_EQ(CWnd::FromHandle(wnd.GetSafeHwnd()), &wnd);
}

class CPaintRecordingWnd : public CPlainWnd {
public:
    std::vector<DWORD> m_paintThreads;

protected:
    void OnPaint() override
    {
        CPaintDC dc(GetSafeHwnd());
        m_paintThreads.push_back(GetCurrentThreadId());
    }
};

TEST(WndDispatch, InvalidateFromAnotherThreadPaintsOnTheWindowsThread)
{
    CPaintRecordingWnd wnd;
    ASSERT_TRUE(wnd.Create());
    PumpPending();
    wnd.m_paintThreads.clear();

    std::thread worker([&wnd] { wnd.Invalidate(false); });
    worker.join();
    EXPECT_TRUE(PumpUntil([&] { return !wnd.m_paintThreads.empty(); }));
    ASSERT_EQ(wnd.m_paintThreads.size(), 1u);
    EXPECT_EQ(wnd.m_paintThreads[0], GetCurrentThreadId());
    wnd.DestroyWindow();
}

// Filters that record the messages they see and swallow them when asked.
class CFilteringWnd : public CRecording<> {
public:
    using CRecording::CRecording;
    bool m_bSwallow = false;

    bool PreTranslateMessage(MSG& msg) override
    {
        if (msg.message == WM_TIMER)
            Record("Filter " + std::to_string(msg.wParam));
        return m_bSwallow;
    }
};

TEST(MessageLoop, FiltersRunFromTheTargetUpThroughItsParentsBeforeDispatch)
{
    struct Case {
        bool childSwallows, parentSwallows;
        CallLog expected;
    };
    const Case cases[] = {
        {false, false, {"child.Filter 4", "parent.Filter 4", "child.Timer 4"}},
        {false, true, {"child.Filter 4", "parent.Filter 4"}},
        {true, false, {"child.Filter 4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "child swallows " << c.childSwallows << ", parent " << c.parentSwallows);
        CallLog log;
        CFilteringWnd parent(log, "parent"), child(log, "child");
        ASSERT_TRUE(parent.CreateTopLevel(WS_POPUP));
        ASSERT_TRUE(child.CreateChild(parent, 100));
        child.m_bSwallow = c.childSwallows;
        parent.m_bSwallow = c.parentSwallows;
        log.clear();
        child.PostMessage(WM_TIMER, 4);
        PumpPending();
        EXPECT_EQ(log, c.expected);
        parent.DestroyWindow();
    }
}

} // namespace
