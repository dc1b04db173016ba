// An unnamed kernel event, for waking a waiting thread at once (for instance a worker's sleep that
// must end when the worker is told to stop).
#pragma once

#include <windows.h>

#include "ui/kernel_handle.h"

class CEvent {
public:
    CEvent(bool manualReset, bool initiallySet);

    bool IsValid() const { return m_handle.IsValid(); }
    HANDLE Get() const { return m_handle.Get(); }

    bool Set();
    bool Reset();
    // True when the event was set within the time (INFINITE waits for ever).
    bool Wait(DWORD milliseconds) const;

private:
    CHandle m_handle;
};
