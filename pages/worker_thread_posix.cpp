#include <condition_variable>
#include <mutex>
#include <thread>

#include "pages/worker_thread.h"

struct CWorkerThread::Impl {
    std::thread thread;
    std::mutex lock;
    std::condition_variable endedSignal;
    bool ended = false;
};

CWorkerThread::CWorkerThread() : m_pImpl(std::make_unique<Impl>()) {}

CWorkerThread::~CWorkerThread()
{
    if (m_pImpl->thread.joinable()) {
        if (WaitForEnd(0))
            m_pImpl->thread.join();
        else
            m_pImpl->thread.detach();
    }
}

bool CWorkerThread::Start(std::function<void()> body)
{
    if (m_pImpl->thread.joinable())
        return false;
    Impl* impl = m_pImpl.get();
    m_pImpl->thread = std::thread([impl, body = std::move(body)] {
        body();
        std::lock_guard lock(impl->lock);
        impl->ended = true;
        impl->endedSignal.notify_all();
    });
    return true;
}

bool CWorkerThread::Started() const
{
    return m_pImpl->thread.joinable();
}

bool CWorkerThread::WaitForEnd(unsigned milliseconds)
{
    if (!m_pImpl->thread.joinable())
        return true;
    std::unique_lock lock(m_pImpl->lock);
    return m_pImpl->endedSignal.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return m_pImpl->ended; });
}

void CWorkerThread::Terminate()
{
    // Not possible here; the thread is left to end by itself (see the destructor).
}
