// Running the test thread's queue the way the program's loops do.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/message_pump.h"

// Dispatches whatever is queued now.
inline void PumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        FilterAndDispatch(msg);
}

// Dispatches messages until `done` holds or the time is up; returns `done()`.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 2000)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done() && GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpPending();
    }
    return done();
}
