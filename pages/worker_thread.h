// A thread that can be waited for with a time limit and, as the very last resort, stopped by force.
// Windows: CreateThread, WaitForSingleObject, TerminateThread. POSIX: std::thread, which cannot be
// stopped by force; there a thread that outlives its wait is left to end by itself.
#pragma once

#include <functional>
#include <memory>

class CWorkerThread {
public:
    CWorkerThread();
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts the body at normal priority with the default stack. False when no thread could start.
    bool Start(std::function<void()> body);
    bool Started() const;
    // True when the thread has ended within `milliseconds` (or was never started).
    bool WaitForEnd(unsigned milliseconds);
    // Ends the thread wherever it is. Only when waiting has failed.
    void Terminate();

private:
    struct Impl;
    std::unique_ptr<Impl> m_pImpl;
};
