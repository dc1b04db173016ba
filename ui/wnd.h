// The window object. A CWnd owns nothing but its link to one window: destroying the object unbinds
// it (and gives a subclassed window its own procedure back) but leaves the window alone.
//
// Binding: a window made by CreateEx with a class of ours is bound at WM_NCCREATE; an existing window
// (a dialog control, a system-class window) is bound by SubclassWindow, which calls
// PreSubclassWindow first and then puts our window procedure in front of the window's own one.
// The object is found again through a window property, never through a global list.
//
// Dispatch: every message goes to the virtual WindowProc, which first offers child notifications to
// the child's own object (reflection, below) and then runs one switch that calls the named handler.
// Handlers that mirror a message return what the message returns; their base versions run the
// default processing (Default()), so an override that wants the default too calls the base.
// Messages without a handler get the default processing; a class that needs another message
// (registered messages, WM_USER + n) overrides WindowProc and calls CWnd::WindowProc for the rest.
//
// Reflection: WM_DRAWITEM, WM_CTLCOLOR*, WM_COMMAND and WM_NOTIFY that a child control sends to its
// parent are first offered to the child's object (OnChildNotify, which calls OnReflectDrawItem,
// OnReflectCtlColor, OnReflectCommand, OnReflectNotify). Only when the child does not handle it do
// the parent's own handlers (OnDrawItem, OnCtlColor, OnCommand, OnNotify) see it.
//
// No exception leaves the window procedure: a handler that throws gets the default processing for
// that message instead.
//
// Threads: a window object is used on the thread that owns its window, except Invalidate and
// InvalidateRect, which any thread may call (the handle is read atomically; InvalidateRect itself
// is safe from any thread and only queues a paint for the owner thread).
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "ui/gdi_object.h"

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object bound to a window by this framework, or null.
    static CWnd* FromHandle(HWND hWnd);

    // The window procedure of the framework's window classes (see window_class.h).
    static WNDPROC ClassWindowProc() { return StaticWindowProc; }

    // Offers a message to the PreTranslateMessage of the bound objects from its target window up
    // through the parents (and owners). True when one of them handled it; it must then not be
    // dispatched. The message loops of CWinApp and CDialog call this for every message.
    static bool WalkPreTranslateTree(MSG& msg);

    HWND GetSafeHwnd() const { return m_hWnd.load(std::memory_order_acquire); }

    // Creates a window bound to this object. A null class name uses the framework's own class (no
    // background brush, double clicks on). A class of ours (see RegisterWindowClass) is bound from
    // WM_NCCREATE on; any other class (a system control) is subclassed once it exists.
    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                  const RECT& rect, HWND parent, UINT id);
    bool DestroyWindow();

    // Binds this object to an existing window and routes its messages through this object; the
    // window's own procedure does the default processing. False when the object already has a
    // window or the window already has an object.
    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    // Gives the window its own procedure back and unbinds; returns the window.
    HWND UnsubclassWindow();

    // Message loops: true to swallow the message (it is then neither translated nor dispatched).
    virtual bool PreTranslateMessage(MSG& msg);

    // The message entry point of this object.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Thin helpers over the window functions.
    HWND GetParent() const;
    HWND GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Removes and adds style bits; with swpFlags other than 0 also calls SetWindowPos with them
    // (for instance SWP_FRAMECHANGED) so that the frame follows.
    bool ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    bool ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    bool ShowWindow(int command);
    bool IsWindowVisible() const;
    bool EnableWindow(bool enable);
    bool MoveWindow(int x, int y, int width, int height, bool repaint = true);
    bool SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags);
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    // The window rectangle in the parent's client coordinates (screen coordinates without a parent).
    RECT GetRectInParent() const;
    void ScreenToClient(POINT& point) const;
    void ScreenToClient(RECT& rect) const;
    void ClientToScreen(POINT& point) const;
    bool Invalidate(bool erase = true);
    bool InvalidateRect(const RECT* rect, bool erase = true);
    bool UpdateWindow();
    bool LockWindowUpdate();
    static bool UnlockWindowUpdate();
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds);
    bool KillTimer(UINT_PTR id);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool SetWindowText(const std::wstring& text);
    std::wstring GetWindowText() const;
    // Requests WM_MOUSEHOVER and/or WM_MOUSELEAVE (TME_HOVER, TME_LEAVE) for this window.
    bool TrackMouseEvent(DWORD flags, DWORD hoverMilliseconds = HOVER_DEFAULT);
    // Gives the region to the window. On success the system owns it and `region` is left empty.
    bool SetWindowRgn(CRgn& region, bool redraw);

protected:
    // Called with the window already bound, before our procedure is put in front of the window's.
    virtual void PreSubclassWindow();
    // Called last, after the window is gone and the object unbound (an object may delete itself here).
    virtual void PostNcDestroy();

    // The default processing of the message being handled, with its original arguments.
    LRESULT Default();
    // The default processing of any message: the window's own procedure, or DefWindowProcW.
    LRESULT DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Reflection. OnChildNotify gets the parent's message; the default routes it to the four
    // handlers below. Returns true when the child handled it, with `result` as the message result.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Owner drawing of this control; true when drawn.
    virtual bool OnReflectDrawItem(DRAWITEMSTRUCT& item);
    // The colour request of this control (message is the WM_CTLCOLOR* number). A null brush means
    // "not handled": the parent's OnCtlColor then answers.
    virtual HBRUSH OnReflectCtlColor(HDC hDC, UINT message);
    // A command notification of this control (BN_CLICKED, ...); true keeps it from the parent.
    virtual bool OnReflectCommand(UINT notifyCode);
    // A WM_NOTIFY of this control; true keeps it from the parent.
    virtual bool OnReflectNotify(NMHDR& header, LRESULT& result);

    // Message handlers.
    virtual int OnCreate(CREATESTRUCTW& create);
    virtual void OnDestroy();
    virtual void OnClose();
    virtual BOOL OnInitDialog();
    virtual void OnSize(UINT type, int width, int height);
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(HDC hDC);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnMouseMove(UINT flags, POINT point);
    virtual void OnMouseHover(UINT flags, POINT point);
    virtual void OnMouseLeave();
    virtual void OnLButtonDown(UINT flags, POINT point);
    virtual void OnLButtonUp(UINT flags, POINT point);
    virtual void OnLButtonDblClk(UINT flags, POINT point);
    virtual BOOL OnDeviceChange(UINT event, DWORD_PTR data);
    virtual HCURSOR OnQueryDragIcon();
    // From children (after reflection) and from menus or accelerators (control null); true when
    // handled, false for the default processing.
    virtual bool OnCommand(UINT id, UINT notifyCode, HWND control);
    virtual bool OnNotify(NMHDR& header, LRESULT& result);
    virtual bool OnDrawItem(UINT id, DRAWITEMSTRUCT& item);
    // Null for the default processing.
    virtual HBRUSH OnCtlColor(HDC hDC, HWND control, UINT message);

private:
    friend class CDialog;

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };

    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs WindowProc with `message` as the current one; no exception gets out.
    static LRESULT CallWindowProcOf(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CallOriginalProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    void Bind(HWND hWnd, WNDPROC original, bool subclassed);
    void Unbind();
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam);

    std::atomic<HWND> m_hWnd{nullptr};
    WNDPROC m_pfnOriginal = nullptr;
    bool m_bSubclassed = false;
    CurrentMessage m_current;
};
