#include "ui/window_class.h"

#include "ui/wnd.h"

namespace {

bool RegisterOrExists(const WNDCLASSEXW& wc)
{
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

bool RegisterWindowClass(const wchar_t* name, UINT style, HBRUSH background)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = CWnd::ClassWindowProc();
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<const wchar_t*>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterOrExists(wc);
}

const wchar_t* FrameworkWindowClass()
{
    static const wchar_t* const name = RegisterWindowClass(L"ZelvaneWnd") ? L"ZelvaneWnd" : nullptr;
    return name;
}

bool RegisterDialogClass(const wchar_t* name)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(nullptr, L"#32770", &wc))
        return false;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    return RegisterOrExists(wc);
}
