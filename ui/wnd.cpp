#include "ui/wnd.h"

#include <utility>

#include "ui/window_class.h"

namespace {

// The bound object, and for a subclassed window its own procedure: kept in the window itself, so
// that a window whose object is gone can still reach its own procedure.
constexpr const wchar_t* kObjectProperty = L"Zelvane.CWnd";
constexpr const wchar_t* kOriginalProcProperty = L"Zelvane.OriginalProc";

// The object whose CreateEx is running on this thread: only its own window binds at WM_NCCREATE.
thread_local CWnd* t_pCreating = nullptr;

POINT PointFromLParam(LPARAM lParam)
{
    // Signed: positions left of or above the window (captured mouse) are negative.
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The child control that a parent's message comes from, or null when it is not a child's message.
HWND NotifyingChild(UINT message, WPARAM, LPARAM lParam)
{
    if (lParam == 0)
        return nullptr;
    switch (message) {
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item.CtlType == ODT_MENU ? nullptr : item.hwndItem;
    }
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    default:
        return IsCtlColorMessage(message) ? reinterpret_cast<HWND>(lParam) : nullptr;
    }
}

} // namespace

CWnd::~CWnd()
{
    Unbind();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return hWnd != nullptr ? static_cast<CWnd*>(GetPropW(hWnd, kObjectProperty)) : nullptr;
}

bool CWnd::WalkPreTranslateTree(MSG& msg)
{
    for (HWND hWnd = msg.hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandle(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(msg))
            return true;
    }
    return false;
}

void CWnd::Bind(HWND hWnd, WNDPROC original, bool subclassed)
{
    m_pfnOriginal = original;
    m_bSubclassed = subclassed;
    SetPropW(hWnd, kObjectProperty, this);
    if (subclassed)
        SetPropW(hWnd, kOriginalProcProperty, reinterpret_cast<HANDLE>(original));
    m_hWnd.store(hWnd, std::memory_order_release);
}

void CWnd::Unbind()
{
    HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return;
    if (m_bSubclassed) {
        const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
        // Someone may have subclassed the window after us; then our procedure stays in the chain and
        // forwards through the property to the original one.
        if (current == StaticWindowProc) {
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnOriginal));
            RemovePropW(hWnd, kOriginalProcProperty);
        }
    }
    RemovePropW(hWnd, kObjectProperty);
    m_hWnd.store(nullptr, std::memory_order_release);
    m_pfnOriginal = nullptr;
    m_bSubclassed = false;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandle(hWnd);
    if (pWnd == nullptr && message == WM_NCCREATE && t_pCreating != nullptr &&
        reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams == t_pCreating) {
        pWnd = std::exchange(t_pCreating, nullptr);
        pWnd->Bind(hWnd, DefWindowProcW, false);
    }
    if (pWnd == nullptr)
        return CallOriginalProc(hWnd, message, wParam, lParam);

    const LRESULT result = CallWindowProcOf(pWnd, hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY && pWnd->GetSafeHwnd() == hWnd) {
        pWnd->Unbind();
        pWnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::CallWindowProcOf(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const CurrentMessage saved = pWnd->m_current;
    pWnd->m_current = CurrentMessage{message, wParam, lParam};
    LRESULT result;
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // An exception must not unwind through the system's frames: the message gets its default
        // processing instead.
        result = pWnd->GetSafeHwnd() == hWnd ? pWnd->DefaultWindowProc(message, wParam, lParam)
                                             : CallOriginalProc(hWnd, message, wParam, lParam);
    }
    pWnd->m_current = saved;
    return result;
}

LRESULT CWnd::CallOriginalProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(hWnd, kOriginalProcProperty));
    if (original != nullptr)
        return CallWindowProcW(original, hWnd, message, wParam, lParam);
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                    const RECT& rect, HWND parent, UINT id)
{
    if (GetSafeHwnd() != nullptr)
        return false;
    if (className == nullptr)
        className = FrameworkWindowClass();
    if (className == nullptr)
        return false;
    HMENU menuOrId = (style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    CWnd* const pOuterCreating = std::exchange(t_pCreating, this);
    HWND hWnd = CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, menuOrId, GetModuleHandleW(nullptr), this);
    t_pCreating = pOuterCreating;
    if (hWnd == nullptr)
        return false;
    // A class that is not ours never saw WM_NCCREATE through us: subclass it now.
    if (GetSafeHwnd() == nullptr && !SubclassWindow(hWnd)) {
        ::DestroyWindow(hWnd);
        return false;
    }
    return true;
}

bool CWnd::DestroyWindow()
{
    HWND hWnd = GetSafeHwnd();
    return hWnd != nullptr && ::DestroyWindow(hWnd) != FALSE;
}

bool CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || !IsWindow(hWnd) || GetSafeHwnd() != nullptr || FromHandle(hWnd) != nullptr)
        return false;
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    Bind(hWnd, original, true);
    PreSubclassWindow();
    if (GetSafeHwnd() != hWnd)
        return false; // PreSubclassWindow destroyed or unbound the window
    SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc));
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (parent == nullptr)
        return false;
    return SubclassWindow(parent->GetDlgItem(static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = GetSafeHwnd();
    Unbind();
    return hWnd;
}

bool CWnd::PreTranslateMessage(MSG&)
{
    return false;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::Default()
{
    return DefaultWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = GetSafeHwnd();
    if (m_pfnOriginal != nullptr && m_pfnOriginal != DefWindowProcW)
        return CallWindowProcW(m_pfnOriginal, hWnd, message, wParam, lParam);
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, result))
        return result;
    return OnWndMsg(message, wParam, lParam);
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND child = NotifyingChild(message, wParam, lParam);
    CWnd* pChild = FromHandle(child);
    if (pChild == nullptr || pChild == this)
        return false;
    return pChild->OnChildNotify(message, wParam, lParam, result);
}

// The one switch from messages to named handlers.
LRESULT CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(*reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), PointFromLParam(lParam));
        return 0;
    case WM_MOUSEHOVER:
        OnMouseHover(static_cast<UINT>(wParam), PointFromLParam(lParam));
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), PointFromLParam(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(static_cast<UINT>(wParam), PointFromLParam(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(static_cast<UINT>(wParam), PointFromLParam(lParam));
        return 0;
    case WM_DEVICECHANGE:
        return OnDeviceChange(static_cast<UINT>(wParam), static_cast<DWORD_PTR>(lParam));
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
            return 0;
        return DefaultWindowProc(message, wParam, lParam);
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(*reinterpret_cast<NMHDR*>(lParam), result))
            return result;
        return DefaultWindowProc(message, wParam, lParam);
    }
    case WM_DRAWITEM:
        if (OnDrawItem(static_cast<UINT>(wParam), *reinterpret_cast<DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        return DefaultWindowProc(message, wParam, lParam);
    default:
        if (IsCtlColorMessage(message)) {
            if (HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message))
                return reinterpret_cast<LRESULT>(brush);
        }
        return DefaultWindowProc(message, wParam, lParam);
    }
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_DRAWITEM:
        if (!OnReflectDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)))
            return false;
        result = TRUE;
        return true;
    case WM_COMMAND:
        if (!OnReflectCommand(HIWORD(wParam)))
            return false;
        result = 0;
        return true;
    case WM_NOTIFY:
        return OnReflectNotify(*reinterpret_cast<NMHDR*>(lParam), result);
    default:
        if (IsCtlColorMessage(message)) {
            HBRUSH brush = OnReflectCtlColor(reinterpret_cast<HDC>(wParam), message);
            if (brush == nullptr)
                return false;
            result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        return false;
    }
}

bool CWnd::OnReflectDrawItem(DRAWITEMSTRUCT&)
{
    return false;
}

HBRUSH CWnd::OnReflectCtlColor(HDC, UINT)
{
    return nullptr;
}

bool CWnd::OnReflectCommand(UINT)
{
    return false;
}

bool CWnd::OnReflectNotify(NMHDR&, LRESULT&)
{
    return false;
}

int CWnd::OnCreate(CREATESTRUCTW&)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

BOOL CWnd::OnInitDialog()
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(HDC)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

void CWnd::OnMouseMove(UINT, POINT)
{
    Default();
}

void CWnd::OnMouseHover(UINT, POINT)
{
    Default();
}

void CWnd::OnMouseLeave()
{
    Default();
}

void CWnd::OnLButtonDown(UINT, POINT)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, POINT)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, POINT)
{
    Default();
}

BOOL CWnd::OnDeviceChange(UINT, DWORD_PTR)
{
    return static_cast<BOOL>(Default());
}

HCURSOR CWnd::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(Default());
}

bool CWnd::OnCommand(UINT, UINT, HWND)
{
    return false;
}

bool CWnd::OnNotify(NMHDR&, LRESULT&)
{
    return false;
}

bool CWnd::OnDrawItem(UINT, DRAWITEMSTRUCT&)
{
    return false;
}

HBRUSH CWnd::OnCtlColor(HDC, HWND, UINT)
{
    return nullptr;
}

// Thin helpers.

HWND CWnd::GetParent() const
{
    return ::GetParent(GetSafeHwnd());
}

HWND CWnd::GetDlgItem(int id) const
{
    return ::GetDlgItem(GetSafeHwnd(), id);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(GetSafeHwnd());
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(GetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(GetWindowLongPtrW(GetSafeHwnd(), GWL_EXSTYLE));
}

namespace {

bool ModifyLong(HWND hWnd, int index, DWORD remove, DWORD add, UINT swpFlags)
{
    if (hWnd == nullptr)
        return false;
    const DWORD before = static_cast<DWORD>(GetWindowLongPtrW(hWnd, index));
    const DWORD after = (before & ~remove) | add;
    if (after != before)
        SetWindowLongPtrW(hWnd, index, static_cast<LONG_PTR>(after));
    if (swpFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return true;
}

} // namespace

bool CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyLong(GetSafeHwnd(), GWL_STYLE, remove, add, swpFlags);
}

bool CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyLong(GetSafeHwnd(), GWL_EXSTYLE, remove, add, swpFlags);
}

bool CWnd::ShowWindow(int command)
{
    return ::ShowWindow(GetSafeHwnd(), command) != FALSE;
}

bool CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(GetSafeHwnd()) != FALSE;
}

bool CWnd::EnableWindow(bool enable)
{
    return ::EnableWindow(GetSafeHwnd(), enable ? TRUE : FALSE) != FALSE;
}

bool CWnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    return ::MoveWindow(GetSafeHwnd(), x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
}

bool CWnd::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags)
{
    return ::SetWindowPos(GetSafeHwnd(), insertAfter, x, y, width, height, flags) != FALSE;
}

RECT CWnd::GetClientRect() const
{
    RECT rect{};
    ::GetClientRect(GetSafeHwnd(), &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const
{
    RECT rect{};
    ::GetWindowRect(GetSafeHwnd(), &rect);
    return rect;
}

RECT CWnd::GetRectInParent() const
{
    RECT rect = GetWindowRect();
    MapWindowPoints(HWND_DESKTOP, GetParent(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CWnd::ScreenToClient(POINT& point) const
{
    ::ScreenToClient(GetSafeHwnd(), &point);
}

void CWnd::ScreenToClient(RECT& rect) const
{
    MapWindowPoints(HWND_DESKTOP, GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
}

void CWnd::ClientToScreen(POINT& point) const
{
    ::ClientToScreen(GetSafeHwnd(), &point);
}

bool CWnd::Invalidate(bool erase)
{
    return InvalidateRect(nullptr, erase);
}

bool CWnd::InvalidateRect(const RECT* rect, bool erase)
{
    HWND hWnd = GetSafeHwnd();
    return hWnd != nullptr && ::InvalidateRect(hWnd, rect, erase ? TRUE : FALSE) != FALSE;
}

bool CWnd::UpdateWindow()
{
    return ::UpdateWindow(GetSafeHwnd()) != FALSE;
}

bool CWnd::LockWindowUpdate()
{
    return ::LockWindowUpdate(GetSafeHwnd()) != FALSE;
}

bool CWnd::UnlockWindowUpdate()
{
    return ::LockWindowUpdate(nullptr) != FALSE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT milliseconds)
{
    return ::SetTimer(GetSafeHwnd(), id, milliseconds, nullptr);
}

bool CWnd::KillTimer(UINT_PTR id)
{
    return ::KillTimer(GetSafeHwnd(), id) != FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(GetSafeHwnd(), message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(GetSafeHwnd(), message, wParam, lParam) != FALSE;
}

bool CWnd::SetWindowText(const std::wstring& text)
{
    return ::SetWindowTextW(GetSafeHwnd(), text.c_str()) != FALSE;
}

std::wstring CWnd::GetWindowText() const
{
    HWND hWnd = GetSafeHwnd();
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool CWnd::TrackMouseEvent(DWORD flags, DWORD hoverMilliseconds)
{
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = flags;
    track.hwndTrack = GetSafeHwnd();
    track.dwHoverTime = hoverMilliseconds;
    return ::TrackMouseEvent(&track) != FALSE;
}

bool CWnd::SetWindowRgn(CRgn& region, bool redraw)
{
    HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr || ::SetWindowRgn(hWnd, region.Get(), redraw ? TRUE : FALSE) == 0)
        return false;
    region.Release();
    return true;
}
