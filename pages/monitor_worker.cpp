#include "pages/monitor_worker.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

std::atomic<std::int32_t> g_bMonitorRun{1};

namespace {

std::mutex g_stopLock;
std::condition_variable g_stopSignal;

// Sleeps, unless the run flag is cleared first. True when the worker should go on.
bool SleepWhileRunning(unsigned milliseconds)
{
    std::unique_lock lock(g_stopLock);
    return !g_stopSignal.wait_for(lock, std::chrono::milliseconds(milliseconds), [] { return g_bMonitorRun == 0; });
}

} // namespace

void StopMonitorWorker()
{
    {
        std::lock_guard lock(g_stopLock);
        g_bMonitorRun = 0;
    }
    g_stopSignal.notify_all();
}

CMonitorWorker::CMonitorWorker(InputsSource inputs, MonitorControls controls, IDisplayDevices& devices)
    : m_Inputs(std::move(inputs)), m_Controls(controls), m_Devices(devices)
{
}

CMonitorWorker::~CMonitorWorker()
{
    if (m_Thread.Started() && !m_Thread.WaitForEnd(0)) {
        StopMonitorWorker();
        WaitForStop();
    }
}

bool CMonitorWorker::Start()
{
    return m_Thread.Start([this] { Run(); });
}

bool CMonitorWorker::WaitForStop(unsigned milliseconds)
{
    if (m_Thread.WaitForEnd(milliseconds))
        return true;
    m_Thread.Terminate();
    return false;
}

void CMonitorWorker::Run()
{
    if (g_bMonitorRun == 0)
        return;
    while (RunMonitorCycle(m_Inputs(), m_Controls, m_Devices) && SleepWhileRunning(kCycleSleepMs)) {
    }
}
