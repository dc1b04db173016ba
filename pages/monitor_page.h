// The monitor page: live CPU and GPU readings (a gauge and four bars with labels for each), and the
// link to the display device. Its worker fills the controls once a second.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <memory>
#include <string>

#include "controls/slider_ex.h"
#include "controls/static_ex.h"
#include "controls/static_progress.h"
#include "pages/display_link.h"
#include "pages/monitor_worker.h"
#include "pages/temperature_unit_listener.h"
#include "pages/skinned_page.h"

class CSensorHub;

class CHDMonDlg : public CSkinnedPage, public ITemperatureUnitListener {
public:
    static constexpr UINT_PTR kStartTimer = 1;
    static constexpr UINT kStartDelayMs = 2000;

    // Creates the page's window as a child of the main window. The device layers are the system's
    // unless a test brings its own.
    explicit CHDMonDlg(CWnd* parent, std::unique_ptr<ISerialPortLayer> serialLayer = CreateSystemSerialPortLayer(),
                       std::unique_ptr<IHidLayer> hidLayer = CreateHidapiLayer());
    ~CHDMonDlg() override;

    // Hands the page the hub and the Resources folder, lays the controls out and looks for the
    // serial display.
    void BindHub(CSensorHub* hub, const std::wstring& skinPath);
    void SetTftOptions(const TftOptions& options) { m_Link.SetTftOptions(options); }
    // 1 Celsius, 0 Fahrenheit; the worker reads it at its next cycle.
    void SetTemperatureUnit(std::uint8_t unit) override;

    CDisplayLink& Link() { return m_Link; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    // The main window passes its device notifications on: the display link decides what they mean.
    BOOL OnDeviceChange(UINT event, DWORD_PTR data) override;

private:
    void LayoutControls();
    MonitorCycleInputs WorkerInputs() const;

    CDisplayLink m_Link; // first in, last out: its ports close after everything else is gone
    std::atomic<CSensorHub*> m_pHub{nullptr};
    std::wstring m_strSkinPath;
    std::atomic<std::uint8_t> m_nTempUnit{0};
    std::array<CSliderEx, 8> m_Bars;
    std::array<CStaticEx, 8> m_Labels;
    std::array<CStaticProgress, 2> m_Gauges;
    std::unique_ptr<CMonitorWorker> m_pWorkerThread;
};
