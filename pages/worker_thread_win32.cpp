#include <windows.h>

#include "pages/worker_thread.h"

struct CWorkerThread::Impl {
    HANDLE thread = nullptr;
    std::function<void()> body;

    static DWORD WINAPI Run(void* self)
    {
        static_cast<Impl*>(self)->body();
        return 0;
    }
};

CWorkerThread::CWorkerThread() : m_pImpl(std::make_unique<Impl>()) {}

CWorkerThread::~CWorkerThread()
{
    // The handle stays valid until the owner's wait is over; only then is it closed.
    if (m_pImpl->thread)
        CloseHandle(m_pImpl->thread);
}

bool CWorkerThread::Start(std::function<void()> body)
{
    if (m_pImpl->thread)
        return false;
    m_pImpl->body = std::move(body);
    m_pImpl->thread = CreateThread(nullptr, 0, &Impl::Run, m_pImpl.get(), 0, nullptr);
    return m_pImpl->thread != nullptr;
}

bool CWorkerThread::Started() const
{
    return m_pImpl->thread != nullptr;
}

bool CWorkerThread::WaitForEnd(unsigned milliseconds)
{
    return !m_pImpl->thread || WaitForSingleObject(m_pImpl->thread, milliseconds) == WAIT_OBJECT_0;
}

void CWorkerThread::Terminate()
{
    if (m_pImpl->thread)
        TerminateThread(m_pImpl->thread, 1);
}
