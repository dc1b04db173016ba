#include "pages/monitor_page.h"

#include "controls/font_fallback.h"
#include "res/resource.h"

namespace {

constexpr LabelStyle kLabelStyle = {kSkinFontFamily, 11.0f, 0xFFFFFFFF}; // opaque white
constexpr int kLabelWidth = 90;
constexpr int kLabelHeight = 25;

constexpr UINT kBarIds[8] = {IDC_BAR_CPU_LOAD, IDC_BAR_CPU_CLOCK, IDC_BAR_CPU_FAN, IDC_BAR_CPU_POWER,
                             IDC_BAR_GPU_LOAD, IDC_BAR_GPU_CLOCK, IDC_BAR_GPU_FAN, IDC_BAR_GPU_POWER};
constexpr UINT kLabelIds[8] = {IDC_LABEL_CPU_LOAD, IDC_LABEL_CPU_CLOCK, IDC_LABEL_CPU_FAN, IDC_LABEL_CPU_POWER,
                               IDC_LABEL_GPU_LOAD, IDC_LABEL_GPU_CLOCK, IDC_LABEL_GPU_FAN, IDC_LABEL_GPU_POWER};
constexpr UINT kGaugeIds[2] = {IDC_GAUGE_CPU, IDC_GAUGE_GPU};

struct Place {
    int x, y;
};
// Load, clock, fan and power of the CPU, then of the GPU.
constexpr Place kBarPlaces[8] = {{25, 230}, {25, 275}, {25, 320}, {25, 365}, {425, 230}, {425, 275}, {425, 320}, {425, 365}};
constexpr int kBarMaximum[8] = {100, 5000, 5000, 1000, 100, 5000, 5000, 1000};
constexpr Place kLabelPlaces[8] = {{200, 244}, {200, 290}, {200, 335}, {200, 383}, {600, 244}, {600, 290}, {600, 335}, {600, 383}};
constexpr Place kGaugePlaces[2] = {{70, 18}, {470, 18}};

} // namespace

CHDMonDlg::CHDMonDlg(CWnd* parent, std::unique_ptr<ISerialPortLayer> serialLayer, std::unique_ptr<IHidLayer> hidLayer)
    : m_Link(std::move(serialLayer), std::move(hidLayer))
{
    CreatePage(IDD_MONITOR, IDB_MONITOR_BACKGROUND, parent);
}

CHDMonDlg::~CHDMonDlg()
{
    // The worker goes first: wake it and let it finish its cycle, while the HID library is released
    // under the device's own lock, so no release overlaps a write.
    StopMonitorWorker();
    m_Link.ReleaseHid();
    if (m_pWorkerThread)
        m_pWorkerThread->WaitForStop(CMonitorWorker::kStopWaitMs);
    m_pWorkerThread.reset();
    DestroyWindow();
}

void CHDMonDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (std::size_t i = 0; i < m_Bars.size(); ++i)
        DDX_Control(pDX, kBarIds[i], m_Bars[i]);
    for (std::size_t i = 0; i < m_Labels.size(); ++i)
        DDX_Control(pDX, kLabelIds[i], m_Labels[i]);
    for (std::size_t i = 0; i < m_Gauges.size(); ++i)
        DDX_Control(pDX, kGaugeIds[i], m_Gauges[i]);
}

BOOL CHDMonDlg::OnInitDialog()
{
    CSkinnedPage::OnInitDialog();
    SetTimer(kStartTimer, kStartDelayMs);
    return TRUE;
}

void CHDMonDlg::BindHub(CSensorHub* hub, const std::wstring& skinPath)
{
    m_pHub = hub;
    m_strSkinPath = skinPath;
    LayoutControls();
    m_Link.OpenDisplayPorts();
}

void CHDMonDlg::SetTemperatureUnit(std::uint8_t unit)
{
    m_nTempUnit = unit;
    m_Link.SetTempUnit(unit);
}

void CHDMonDlg::LayoutControls()
{
    for (std::size_t i = 0; i < m_Bars.size(); ++i) {
        CSliderEx& bar = m_Bars[i];
        bar.m_nPosX = kBarPlaces[i].x;
        bar.m_nPosY = kBarPlaces[i].y;
        bar.m_nMin = 0;
        bar.m_nMax = kBarMaximum[i];
        bar.LoadImages(m_strSkinPath + L"Slider.png", m_strSkinPath + L"Slider_H.png");
    }
    for (std::size_t i = 0; i < m_Labels.size(); ++i) {
        m_Labels[i].Arrange(kLabelStyle, kLabelPlaces[i].x, kLabelPlaces[i].y, kLabelWidth, kLabelHeight);
    }
    for (std::size_t i = 0; i < m_Gauges.size(); ++i) {
        CStaticProgress& gauge = m_Gauges[i];
        gauge.SetFonts(kSkinFontFamily);
        gauge.m_nPosX = kGaugePlaces[i].x;
        gauge.m_nPosY = kGaugePlaces[i].y;
        gauge.LoadBackground(m_strSkinPath + L"Progress.png");
    }
}

MonitorCycleInputs CHDMonDlg::WorkerInputs() const
{
    return {m_pHub.load(), m_Link.SerialReady(), m_nTempUnit.load()};
}

void CHDMonDlg::OnTimer(UINT_PTR id)
{
    if (id == kStartTimer && m_pHub.load() && !m_pWorkerThread) {
        MonitorControls controls;
        for (std::size_t i = 0; i < 8; ++i) {
            controls.bars[i] = &m_Bars[i];
            controls.labels[i] = &m_Labels[i];
        }
        controls.gauges = {&m_Gauges[0], &m_Gauges[1]};
        m_pWorkerThread = std::make_unique<CMonitorWorker>([this] { return WorkerInputs(); }, controls, m_Link);
        m_pWorkerThread->Start();
        KillTimer(kStartTimer);
    }
    CDialog::OnTimer(id);
}

BOOL CHDMonDlg::OnDeviceChange(UINT event, DWORD_PTR data)
{
    m_Link.OnDeviceWatch(ClassifyDeviceChange(event, reinterpret_cast<const std::uint8_t*>(data)));
    return TRUE;
}
