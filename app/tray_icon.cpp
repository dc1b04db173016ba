#include "app/tray_icon.h"

#include <shellapi.h>

#include <cwchar>
#include <iterator>

void CTrayIcon::Attach(HWND owner, HICON icon)
{
    m_hOwner = owner;
    m_hIcon = icon;
}

NOTIFYICONDATAW CTrayIcon::Record() const
{
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof record;
    record.hWnd = m_hOwner;
    record.uID = kIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kCallbackMessage;
    record.hIcon = m_hIcon;
    std::wcsncpy(record.szTip, L"KX-DUNVALE", std::size(record.szTip) - 1);
    return record;
}

bool CTrayIcon::Add()
{
    NOTIFYICONDATAW record = Record();
    const bool added = Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
    m_bShown = m_bShown || added;
    return added;
}

bool CTrayIcon::Remove()
{
    NOTIFYICONDATAW record = Record();
    m_bShown = false;
    return Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
}

void CTrayIcon::OnTaskbarCreated()
{
    if (!m_bShown)
        return;
    m_bShown = false;
    Add();
}
