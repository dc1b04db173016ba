#include "pages/settings_popup.h"

#include "controls/button_pictures.h"
#include "pages/switch_toggle.h"
#include "res/resource.h"
#include "skin/background_painting.h"
#include "skin/window_shape.h"

namespace {

struct ButtonSetup {
    UINT id;
    int x, y;
    const wchar_t* pictures; // base name of the three faces
};

// In the order the pictures are loaded.
constexpr ButtonSetup kPictureButtons[] = {
    {IDC_FAHRENHEIT, 5, 10, L"Temp0"},
    {IDC_CELSIUS, 43, 10, L"Temp1"},
    {IDC_AUTOSTART, 5, 52, L"Start"},
    {IDC_VERSION, 43, 52, L"Version"},
};
constexpr ButtonSetup kHiddenButtons[] = {
    {IDC_SETTINGS_SPARE1, 0, 100, nullptr},
    {IDC_SETTINGS_SPARE2, 0, 118, nullptr},
    {IDC_SETTINGS_OK, 0, 136, nullptr},
};

} // namespace

CSettingDlg::CSettingDlg(CWnd* owner, ISettingsPopupOwner& settingsOwner, const RECT& place, std::optional<RECT> anchor)
    : CDialog(IDD_SETTINGS, owner), m_rcPlace(place), m_rcAnchor(anchor), m_Owner(settingsOwner)
{
    LoadBackgroundAndShape(IDB_SETTINGS_BACKGROUND, m_pBackground, m_Region);
}

CSettingDlg::~CSettingDlg()
{
    m_pBackground.reset();
}

void CSettingDlg::SetState(const std::wstring& skinPath, std::uint8_t tempUnit, std::uint8_t autoStart)
{
    m_strSkinPath = skinPath;
    m_nTempUnit = tempUnit;
    m_bAutoStart = autoStart;
}

void CSettingDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (UINT i = 0; i < m_Buttons.size(); ++i)
        DDX_Control(pDX, kFirstButton + i, m_Buttons[i]);
}

bool CSettingDlg::CursorOutside(POINT cursor) const
{
    const RECT window = GetWindowRect();
    return !PtInRect(&window, cursor);
}

bool CSettingDlg::PreTranslateMessage(MSG& msg)
{
    if (msg.message == kSystemTimerMessage && CursorOutside(msg.pt))
        PostMessage(WM_CLOSE, 0, 0);
    // Neither Enter nor Escape closes the popup.
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE))
        return true;
    return CDialog::PreTranslateMessage(msg);
}

BOOL CSettingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowPos(HWND_TOP, 0, 0, kWidth, kHeight, SWP_NOMOVE);
    SetupButtons();
    if (m_Region)
        SetWindowRgn(m_Region, true);
    MoveWindow(m_rcPlace.left, m_rcPlace.top, m_rcPlace.right - m_rcPlace.left, m_rcPlace.bottom - m_rcPlace.top,
               true);
    SetTimer(kCursorTimer, kCursorCheckMs);
    return TRUE;
}

void CSettingDlg::SetupButtons()
{
    for (const ButtonSetup& setup : kPictureButtons) {
        ButtonAt(setup.id).m_nPosX = setup.x;
        ButtonAt(setup.id).m_nPosY = setup.y;
    }
    for (const ButtonSetup& setup : kHiddenButtons) {
        ButtonAt(setup.id).m_nPosX = setup.x;
        ButtonAt(setup.id).m_nPosY = setup.y;
    }
    for (const ButtonSetup& setup : kPictureButtons)
        ButtonAt(setup.id).LoadImages(ButtonPicturesFromBase(m_strSkinPath, setup.pictures));
    ShowUnitState();
    CButtonEx& autoStart = ButtonAt(IDC_AUTOSTART);
    if (m_bAutoStart == 0 || m_bAutoStart == 1) {
        autoStart.m_bSelected = m_bAutoStart == 1;
        autoStart.Invalidate();
    }
    for (const ButtonSetup& setup : kHiddenButtons)
        ButtonAt(setup.id).ShowWindow(SW_HIDE);
}

void CSettingDlg::ShowUnitState()
{
    CButtonEx& fahrenheit = ButtonAt(IDC_FAHRENHEIT);
    CButtonEx& celsius = ButtonAt(IDC_CELSIUS);
    fahrenheit.m_bSelected = m_nTempUnit == 0;
    fahrenheit.Invalidate();
    celsius.m_bSelected = m_nTempUnit != 0;
    celsius.Invalidate();
}

bool CSettingDlg::OnCommand(UINT id, UINT notifyCode, HWND control)
{
    if (notifyCode != BN_CLICKED || !control)
        return CDialog::OnCommand(id, notifyCode, control);
    switch (id) {
    case IDC_FAHRENHEIT: SetUnit(0); return true;
    case IDC_CELSIUS: SetUnit(1); return true;
    case IDC_AUTOSTART: ToggleAutoStart(); return true;
    case IDC_VERSION:
    case IDC_SETTINGS_SPARE1:
    case IDC_SETTINGS_SPARE2: return true;
    case IDC_SETTINGS_OK: OnOK(); return true;
    default: return CDialog::OnCommand(id, notifyCode, control);
    }
}

void CSettingDlg::SetUnit(std::uint8_t unit)
{
    // The selected unit clicked again is saved and passed on all the same.
    m_nTempUnit = unit;
    ShowUnitState();
    m_Owner.ApplySetting(kTemperatureUnitSetting, unit);
}

void CSettingDlg::ToggleAutoStart()
{
    const std::optional<std::uint8_t> toggled = ToggledSwitch(m_bAutoStart);
    if (!toggled)
        return;
    m_bAutoStart = *toggled;
    CButtonEx& autoStart = ButtonAt(IDC_AUTOSTART);
    autoStart.m_bSelected = m_bAutoStart == 1;
    autoStart.Invalidate();
    m_Owner.ApplySetting(kAutoStartSetting, m_bAutoStart);
}

void CSettingDlg::OnTimer(UINT_PTR id)
{
    if (id != kCursorTimer) {
        CDialog::OnTimer(id);
        return;
    }
    POINT cursor;
    if (!GetCursorPos(&cursor) || !CursorOutside(cursor))
        return;
    // The cursor is usually still on the button that opened the popup, just above it.
    if (m_rcAnchor && PtInRect(&*m_rcAnchor, cursor))
        return;
    KillTimer(kCursorTimer);
    PostMessage(WM_CLOSE, 0, 0);
}

void CSettingDlg::OnPaint()
{
    PaintBackground(GetSafeHwnd(), m_pBackground.get());
}

BOOL CSettingDlg::OnEraseBkgnd(HDC hDC)
{
    return SkipBackgroundErase(hDC);
}
