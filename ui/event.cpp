#include "ui/event.h"

CEvent::CEvent(bool manualReset, bool initiallySet)
    : m_handle(CreateEventW(nullptr, manualReset ? TRUE : FALSE, initiallySet ? TRUE : FALSE, nullptr))
{
}

bool CEvent::Set()
{
    return SetEvent(m_handle.Get()) != FALSE;
}

bool CEvent::Reset()
{
    return ResetEvent(m_handle.Get()) != FALSE;
}

bool CEvent::Wait(DWORD milliseconds) const
{
    return WaitForSingleObject(m_handle.Get(), milliseconds) == WAIT_OBJECT_0;
}
