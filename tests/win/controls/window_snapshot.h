// Pictures of windows for the documentation: let the windows paint, then save one as a PNG file.
#pragma once

#include <windows.h>

#include <string>

#include "png_file.h"
#include "ui/client_dc.h"
#include "ui/memory_dc.h"
#include "ui/message_pump.h"

// Runs the queue for a while, so that every window has painted what it has to.
inline void Settle(DWORD milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            FilterAndDispatch(msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// The window's client area as the screen shows it, written as a PNG file.
inline bool SaveWindowScreenshot(HWND window, const std::wstring& path)
{
    RECT client{};
    GetClientRect(window, &client);
    CMemoryDC shot(client.right, client.bottom);
    {
        const CClientDC screen(window);
        BitBlt(shot.Get(), 0, 0, client.right, client.bottom, screen.Get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    Gdiplus::Bitmap picture(client.right, client.bottom, client.right * 4, PixelFormat32bppRGB,
                            reinterpret_cast<BYTE*>(shot.Pixels()));
    return SavePng(picture, path);
}
