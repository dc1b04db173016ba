#include "app/main_dialog.h"

#include <dbt.h>

#include "res/resource.h"
#include "app/autostart.h"
#include "controls/button_pictures.h"
#include "controls/picture_file.h"
#include "pages/info_page.h"
#include "pages/monitor_page.h"
#include "pages/tft_page.h"
#include "skin/background_painting.h"
#include "skin/window_shape.h"
#include "ui/resource_module.h"
#include "ui/window_class.h"

namespace {

constexpr int kDragBandHeight = 36;
const GUID kUsbDeviceInterfaceClass = {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

struct ButtonSetup {
    CButtonEx CCZelvaneDlg::*button;
    int x, y;
    const wchar_t* pictures; // base name of the three faces; null for a button without pictures
};

// In the order the pictures are loaded.
const ButtonSetup kButtons[] = {
    {&CCZelvaneDlg::m_btnSettings, 945, 20, L"Set"},     {&CCZelvaneDlg::m_btnClose, 1005, 20, L"Close"},
    {&CCZelvaneDlg::m_btnMinimize, 975, 20, L"Min"},     {&CCZelvaneDlg::m_btnMonitor, 35, 95, L"HD_Mon"},
    {&CCZelvaneDlg::m_btnInfo, 35, 185, L"HD_Info"},     {&CCZelvaneDlg::m_btnReconnect, 915, 20, nullptr},
    {&CCZelvaneDlg::m_btnTft, 35, 275, nullptr},
};

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

} // namespace

UINT ActivationMessage()
{
    static const UINT message = RegisterWindowMessageW(L"KX-DUNVALE.exe");
    return message;
}

CCZelvaneDlg::CCZelvaneDlg() : CDialog(IDD_MAIN)
{
    m_hIcon = LoadIconW(GetResourceModule(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    RegisterDialogClass(L"KX-DUNVALE");
}

CCZelvaneDlg::~CCZelvaneDlg()
{
    // The monitor page first: it stops the worker, which reads the hub until then.
    m_pMonitorPage.reset();
    m_pInfoPage.reset();
    m_pTftPage.reset();
    m_pBackground.reset();
}

void CCZelvaneDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RECONNECT, m_btnReconnect);
    DDX_Control(pDX, IDC_CLOSE, m_btnClose);
    DDX_Control(pDX, IDC_MINIMIZE, m_btnMinimize);
    DDX_Control(pDX, IDC_SETTINGS, m_btnSettings);
    DDX_Control(pDX, IDC_MONITOR, m_btnMonitor);
    DDX_Control(pDX, IDC_INFO, m_btnInfo);
    DDX_Control(pDX, IDC_TFT, m_btnTft);
}

bool CCZelvaneDlg::PreTranslateMessage(MSG& msg)
{
    // Neither Enter nor Escape closes the window.
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE))
        return true;
    return CDialog::PreTranslateMessage(msg);
}

BOOL CCZelvaneDlg::OnInitDialog()
{
    const CPictureCacheScope pictures; // the pages ask for the same pictures many times
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowPos(HWND_TOP, 0, 0, kWidth, kHeight, SWP_NOMOVE);

    // Collapsed and hidden, without a taskbar button, until the user asks for the window.
    MoveWindow(0, 0, 0, 0, true);
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
    ShowWindow(SW_HIDE);

    ShapeWindowFromPng(*this, IDB_MAIN_BACKGROUND, m_pBackground, m_Region);

    BuildPaths();
    m_Hub.LoadSensorLibrary(m_strAppFolder, L"cpuidsdk.dll");
    RegisterDeviceWatch();
    m_Hub.CollectInventory();
    SetupButtons();

    m_pSettings = std::make_unique<CSettingsOwner>(OpenProfileFile(m_strIniPath), OpenMachineRunKey,
                                                   m_strExecutablePath);
    m_pSettings->LoadSettings();
    CreatePages();

    m_TrayIcon.Attach(GetSafeHwnd(), m_hIcon);
    HideToTray();
    return TRUE;
}

void CCZelvaneDlg::BuildPaths()
{
    m_strExecutablePath = RunningExecutablePath();
    const std::size_t slash = m_strExecutablePath.find_last_of(L'\\');
    m_strAppFolder = slash == std::wstring::npos ? std::wstring() : m_strExecutablePath.substr(0, slash + 1);
    m_strSkinPath = m_strAppFolder + L"Resources\\";
    m_strIniPath = m_strAppFolder + kSettingsFileName;
}

void CCZelvaneDlg::RegisterDeviceWatch()
{
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kUsbDeviceInterfaceClass;
    // The registration lasts as long as the window.
    RegisterDeviceNotificationW(GetSafeHwnd(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void CCZelvaneDlg::SetupButtons()
{
    for (const ButtonSetup& setup : kButtons) {
        CButtonEx& button = this->*setup.button;
        button.m_nPosX = setup.x;
        button.m_nPosY = setup.y;
    }
    m_btnMonitor.m_bSelected = 1;
    m_btnMonitor.Invalidate();
    for (const ButtonSetup& setup : kButtons) {
        if (!setup.pictures)
            continue;
        (this->*setup.button).LoadImages(ButtonPicturesFromBase(m_strSkinPath, setup.pictures));
    }
    // Neither the reconnect command nor the display page is offered in this window.
    m_btnReconnect.ShowWindow(SW_HIDE);
    m_btnTft.ShowWindow(SW_HIDE);
}

void CCZelvaneDlg::CreatePages()
{
    const auto placeInContentArea = [](CWnd& page) {
        page.MoveWindow(kContentArea.left, kContentArea.top, kContentArea.right - kContentArea.left,
                        kContentArea.bottom - kContentArea.top, true);
    };
    m_pMonitorPage = std::make_unique<CHDMonDlg>(this);
    m_pMonitorPage->BindHub(&m_Hub, m_strSkinPath);
    m_pMonitorPage->SetTftOptions(m_pSettings->m_TftOptions);
    m_pMonitorPage->SetTemperatureUnit(m_pSettings->m_nTempUnit);
    placeInContentArea(*m_pMonitorPage);
    m_pMonitorPage->ShowWindow(SW_SHOW);

    m_pInfoPage = std::make_unique<CHDInfoDlg>(this);
    m_pInfoPage->BindHub(&m_Hub, m_strSkinPath);
    placeInContentArea(*m_pInfoPage);
    m_pInfoPage->ShowWindow(SW_HIDE);

    m_pTftPage = std::make_unique<CTftDlg>(this, *this);
    m_pTftPage->SetOptions(m_strSkinPath, m_strIniPath, m_pSettings->m_nTempUnit, m_pSettings->m_TftOptions);
    placeInContentArea(*m_pTftPage);
    m_pTftPage->ShowWindow(SW_HIDE);

    // A new unit reaches the monitor page, then the display page.
    m_pSettings->AddTemperatureUnitListener(m_pMonitorPage.get());
    m_pSettings->AddTemperatureUnitListener(m_pTftPage.get());
}

void CCZelvaneDlg::ApplySetting(int which, std::uint8_t value)
{
    if (m_pSettings)
        m_pSettings->ApplySetting(which, value);
}

void CCZelvaneDlg::SetTftOptions(const TftOptions& options)
{
    if (m_pMonitorPage)
        m_pMonitorPage->SetTftOptions(options);
}

void CCZelvaneDlg::OpenSettingsPopup()
{
    if (!m_pSettings)
        return;
    const RECT button = m_btnSettings.GetWindowRect();
    const RECT place = {button.left, button.bottom, button.left + CSettingDlg::kWidth,
                        button.bottom + CSettingDlg::kHeight};
    CSettingDlg popup(this, *this, place, button);
    popup.SetState(m_strSkinPath, m_pSettings->m_nTempUnit, m_pSettings->m_bAutoStart);
    popup.DoModal();
}

LRESULT CCZelvaneDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CTrayIcon::kCallbackMessage) {
        OnTrayNotify(lParam);
        return 0;
    }
    if (message == ActivationMessage()) {
        OnActivate();
        return 0;
    }
    if (message == TaskbarCreatedMessage()) {
        m_TrayIcon.OnTaskbarCreated();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CCZelvaneDlg::OnPaint()
{
    if (!IsIconic(GetSafeHwnd())) {
        CDialog::OnPaint();
        return;
    }
    PAINTSTRUCT paint;
    HDC hDC = BeginPaint(GetSafeHwnd(), &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
    const RECT client = GetClientRect();
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(hDC, x, y, m_hIcon);
    EndPaint(GetSafeHwnd(), &paint);
}

BOOL CCZelvaneDlg::OnEraseBkgnd(HDC)
{
    PaintBackground(GetSafeHwnd(), m_pBackground.get());
    return TRUE;
}

HCURSOR CCZelvaneDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

bool CCZelvaneDlg::OnCommand(UINT id, UINT notifyCode, HWND control)
{
    if (notifyCode != BN_CLICKED || !control)
        return CDialog::OnCommand(id, notifyCode, control);
    switch (id) {
    case IDC_RECONNECT: ReconnectDisplay(); return true;
    case IDC_CLOSE: OnOK(); return true;
    case IDC_MINIMIZE: HideToTray(); return true;
    case IDC_SETTINGS: OpenSettingsPopup(); return true;
    case IDC_MONITOR:
    case IDC_INFO:
    case IDC_TFT: ShowPage(id); return true;
    default: return CDialog::OnCommand(id, notifyCode, control);
    }
}

void CCZelvaneDlg::ReconnectDisplay()
{
    if (m_pMonitorPage)
        m_pMonitorPage->Link().OpenDisplayPorts();
}

void CCZelvaneDlg::ShowPage(UINT buttonId)
{
    LockWindowUpdate();
    // The two other pages are hidden before the chosen one shows.
    CWnd* const pages[] = {m_pMonitorPage.get(), m_pInfoPage.get(), m_pTftPage.get()};
    const UINT pageButtons[] = {IDC_MONITOR, IDC_INFO, IDC_TFT};
    for (std::size_t i = 0; i < std::size(pages); ++i)
        if (pages[i] && pageButtons[i] != buttonId)
            pages[i]->ShowWindow(SW_HIDE);
    for (std::size_t i = 0; i < std::size(pages); ++i)
        if (pages[i] && pageButtons[i] == buttonId)
            pages[i]->ShowWindow(SW_SHOW);
    m_btnInfo.m_bSelected = buttonId == IDC_INFO;
    m_btnInfo.Invalidate();
    m_btnMonitor.m_bSelected = buttonId == IDC_MONITOR;
    m_btnMonitor.Invalidate();
    m_btnTft.m_bSelected = buttonId == IDC_TFT;
    m_btnTft.Invalidate();
    UnlockWindowUpdate();
}

BOOL CCZelvaneDlg::OnDeviceChange(UINT event, DWORD_PTR data)
{
    if (m_pMonitorPage)
        m_pMonitorPage->SendMessage(WM_DEVICECHANGE, event, static_cast<LPARAM>(data));
    return TRUE; // never refuses a removal request
}

void CCZelvaneDlg::OnLButtonDown(UINT flags, POINT point)
{
    RECT band = GetClientRect();
    band.bottom = kDragBandHeight;
    if (PtInRect(&band, point))
        SendMessage(WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    CDialog::OnLButtonDown(flags, point);
}

void CCZelvaneDlg::OnDestroy()
{
    // The icon goes with the program.
    if (m_TrayIcon.IsShown())
        m_TrayIcon.Remove();
    CDialog::OnDestroy();
}

void CCZelvaneDlg::HideToTray()
{
    m_TrayIcon.Add();
    ShowWindow(SW_HIDE);
}

void CCZelvaneDlg::RemoveTrayIcon()
{
    m_TrayIcon.Remove();
}

void CCZelvaneDlg::RestoreWindow()
{
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    MoveWindow(x, y, kWidth, kHeight, true);
    ModifyStyleEx(WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
    ShowWindow(SW_SHOW);
}

void CCZelvaneDlg::OnTrayNotify(LPARAM mouseEvent)
{
    if (static_cast<UINT>(mouseEvent) != WM_LBUTTONDBLCLK)
        return;
    RestoreWindow();
    RemoveTrayIcon();
}

void CCZelvaneDlg::OnActivate()
{
    RestoreWindow();
    ShowWindow(SW_SHOWNA);
    SetForegroundWindow(GetSafeHwnd());
}
