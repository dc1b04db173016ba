// The monitor worker: about once a second, one monitor cycle, for as long as the process lets it.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "pages/monitor_cycle.h"
#include "pages/worker_thread.h"

// 1 while the worker may go on. Cleared once, when the monitor page goes; nothing sets it back, so
// a process has at most one worker.
extern std::atomic<std::int32_t> g_bMonitorRun;

// Clears the run flag and wakes a worker that is asleep, so it ends at once rather than after its
// sleep.
void StopMonitorWorker();

class CMonitorWorker {
public:
    static constexpr unsigned kCycleSleepMs = 1000;
    static constexpr unsigned kStopWaitMs = 5000;

    using InputsSource = std::function<MonitorCycleInputs()>;

    CMonitorWorker(InputsSource inputs, MonitorControls controls, IDisplayDevices& devices);
    ~CMonitorWorker();
    CMonitorWorker(const CMonitorWorker&) = delete;
    CMonitorWorker& operator=(const CMonitorWorker&) = delete;

    bool Start();
    bool Started() const { return m_Thread.Started(); }
    // After StopMonitorWorker: waits for the worker to end, at most `milliseconds`, then stops it by
    // force. True when it ended by itself.
    bool WaitForStop(unsigned milliseconds = kStopWaitMs);

private:
    void Run();

    InputsSource m_Inputs;
    MonitorControls m_Controls;
    IDisplayDevices& m_Devices;
    CWorkerThread m_Thread;
};
