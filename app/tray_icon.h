// The program's icon in the notification area.
#pragma once

#include <windows.h>

class CTrayIcon {
public:
    static constexpr UINT kCallbackMessage = WM_USER + 0x40;
    static constexpr UINT kIconId = 128;

    void Attach(HWND owner, HICON icon);
    // NIM_ADD; fails (and leaves the icon that is there) when the icon is already shown.
    bool Add();
    // NIM_DELETE.
    bool Remove();
    // The taskbar was made anew (the shell restarted): put the icon back if it was shown.
    void OnTaskbarCreated();
    bool IsShown() const { return m_bShown; }

private:
    NOTIFYICONDATAW Record() const;

    HWND m_hOwner = nullptr;
    HICON m_hIcon = nullptr;
    bool m_bShown = false;
};
