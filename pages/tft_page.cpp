#include "pages/tft_page.h"

#include "controls/picture_file.h"
#include "res/resource.h"

namespace {

struct Place {
    int x, y;
};

// The item buttons, CPU then GPU.
constexpr UINT kItemIds[8] = {IDC_TFT_CPU_TEMP, IDC_TFT_CPU_CLOCK, IDC_TFT_CPU_FAN, IDC_TFT_CPU_POWER,
                              IDC_TFT_GPU_TEMP, IDC_TFT_GPU_CLOCK, IDC_TFT_GPU_FAN, IDC_TFT_GPU_POWER};
constexpr UINT kSpeedIds[3] = {IDC_TFT_SPEED1, IDC_TFT_SPEED2, IDC_TFT_SPEED3};

struct ButtonPlace {
    UINT id;
    Place place;
};
// Every button's top-left corner; each group's four items share their places.
constexpr ButtonPlace kButtonPlaces[] = {
    {IDC_TFT_CPU_TEMP, {220, 105}}, {IDC_TFT_CPU_CLOCK, {220, 152}}, {IDC_TFT_CPU_FAN, {220, 201}},
    {IDC_TFT_CPU_POWER, {220, 250}}, {IDC_TFT_GPU_TEMP, {220, 105}}, {IDC_TFT_GPU_CLOCK, {220, 152}},
    {IDC_TFT_GPU_FAN, {220, 201}},   {IDC_TFT_GPU_POWER, {220, 250}}, {IDC_TFT_OPEN, {220, 375}},
    {IDC_TFT_SPEED1, {550, 380}},    {IDC_TFT_SPEED2, {590, 380}},    {IDC_TFT_SPEED3, {630, 380}},
    {IDC_TFT_ANIMATION, {580, 323}}, {IDC_TFT_TURN, {640, 323}},      {IDC_TFT_CPU_TAB, {180, 52}},
    {IDC_TFT_GPU_TAB, {240, 52}},
};
constexpr Place kDevicePicturePlace = {75, 110};

} // namespace

CTftDlg::CTftDlg(CWnd* parent, ITftOptionsReceiver& receiver, ProfileFileOpener openFile)
    : m_OpenFile(std::move(openFile)), m_Receiver(receiver)
{
    CreatePage(IDD_TFT, IDB_DISPLAY_BACKGROUND, parent);
}

void CTftDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (UINT i = 0; i < m_Buttons.size(); ++i)
        DDX_Control(pDX, kFirstButton + i, m_Buttons[i]);
    DDX_Control(pDX, IDC_TFT_PREVIEW, m_Preview);
    DDX_Control(pDX, IDC_TFT_CPU_PICTURE, m_CpuPicture);
    DDX_Control(pDX, IDC_TFT_GPU_PICTURE, m_GpuPicture);
}

bool CTftDlg::PreTranslateMessage(MSG& msg)
{
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE))
        return true;
    return CDialog::PreTranslateMessage(msg);
}

void CTftDlg::SetOptions(const std::wstring& skinPath, const std::wstring& iniPath, std::uint8_t tempUnit,
                         const TftOptions& options)
{
    m_strSkinPath = skinPath;
    m_strIniPath = iniPath;
    m_pEditor.reset();
    m_pFile = m_OpenFile(iniPath);
    m_pEditor = std::make_unique<CTftOptionsEditor>(*m_pFile, m_Receiver);
    m_pEditor->Reset(options, tempUnit);
    m_bRefreshPending = true;
    if (GetStyle() & WS_VISIBLE)
        RefreshControlsIfPending();
}

void CTftDlg::RefreshControlsIfPending()
{
    if (!m_bRefreshPending || !m_pEditor)
        return;
    m_bRefreshPending = false;
    RefreshControls();
}

LRESULT CTftDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SHOWWINDOW && wParam)
        RefreshControlsIfPending();
    return CDialog::WindowProc(message, wParam, lParam);
}

void CTftDlg::SetTemperatureUnit(std::uint8_t unit)
{
    if (!m_pEditor)
        return;
    m_pEditor->SetTemperatureUnit(unit);
    if (!m_bRefreshPending)
        ShowItemPreview();
}

void CTftDlg::RefreshControls()
{
    const CPictureCacheScope pictures; // eighteen buttons from seven pictures
    for (const ButtonPlace& button : kButtonPlaces) {
        ButtonAt(button.id).m_nPosX = button.place.x;
        ButtonAt(button.id).m_nPosY = button.place.y;
    }

    // The switches show their "_H" picture when on and when hovered.
    const auto switchFaces = [this](const wchar_t* base) {
        const std::wstring off = m_strSkinPath + base + L".png";
        const std::wstring on = m_strSkinPath + base + L"_H.png";
        return ButtonPictureFiles{off, on, on};
    };
    const TftOptions& options = m_pEditor->Options();
    for (std::size_t i = 0; i < std::size(kItemIds); ++i) {
        ShowCheck(kItemIds[i], options[kTftItemOptions[i]]);
        ButtonAt(kItemIds[i]).LoadImages(switchFaces(L"Open"));
    }
    ShowCheck(IDC_TFT_OPEN, options[TFT_OPEN]);
    ButtonAt(IDC_TFT_OPEN).LoadImages(switchFaces(L"Open"));
    for (UINT id : kSpeedIds)
        ButtonAt(id).LoadImages(switchFaces(L"Speed"));
    ShowSpeedLevel();
    ButtonAt(IDC_TFT_ANIMATION).LoadImages(ButtonPicturesFromBase(m_strSkinPath, L"Animation"));
    ButtonAt(IDC_TFT_TURN).LoadImages(ButtonPicturesFromBase(m_strSkinPath, L"Turn"));
    ShowAnimation();

    m_CpuPicture.LoadImage(SkinFile(L"Tft_Cpu.png"), true);
    m_GpuPicture.LoadImage(SkinFile(L"Tft_Gpu.png"), true);
    m_CpuPicture.MoveWindow(kDevicePicturePlace.x, kDevicePicturePlace.y, m_CpuPicture.Width(), m_CpuPicture.Height());
    m_GpuPicture.MoveWindow(kDevicePicturePlace.x, kDevicePicturePlace.y, m_GpuPicture.Width(), m_GpuPicture.Height());

    // The page starts in the CPU group with the CPU temperature preview. No lock of the page's
    // painting here: this also runs while the main window holds the one lock a page switch takes.
    ShowGroupTabs(TftGroup::Cpu);
    ShowGroup(TftGroup::Cpu);
    PlacePreview();
}

void CTftDlg::ShowCheck(UINT id, std::uint8_t value)
{
    CButtonEx& button = ButtonAt(id);
    button.m_nCheck = value;
    button.m_bCheckBox = true;
    button.Invalidate();
}

void CTftDlg::ShowSpeedLevel()
{
    const auto checks = SpeedLevelChecks(m_pEditor->Options()[TFT_SPEED]);
    for (std::size_t i = 0; i < std::size(kSpeedIds); ++i) {
        CButtonEx& button = ButtonAt(kSpeedIds[i]);
        button.m_bCheckBox = true;
        if (checks) {
            button.m_nCheck = (*checks)[i];
            button.Invalidate();
        }
    }
}

void CTftDlg::ShowAnimation()
{
    CButtonEx& button = ButtonAt(IDC_TFT_ANIMATION);
    button.m_bSelected = m_pEditor->Options()[TFT_ANIMATION] == 1;
    button.Invalidate();
}

void CTftDlg::SelectGroup(TftGroup group)
{
    LockWindowUpdate();
    ShowGroupTabs(group);
    ShowGroup(group);
    UnlockWindowUpdate();
}

void CTftDlg::ShowGroupTabs(TftGroup group)
{
    // Each tab has one face in each group: its look as the selected or the other tab.
    const bool cpu = group == TftGroup::Cpu;
    const std::wstring cpuTab = SkinFile(cpu ? L"CBox.png" : L"CBox_H.png");
    const std::wstring gpuTab = SkinFile(cpu ? L"GBox.png" : L"GBox_H.png");
    CButtonEx& cpuButton = ButtonAt(IDC_TFT_CPU_TAB);
    CButtonEx& gpuButton = ButtonAt(IDC_TFT_GPU_TAB);
    cpuButton.LoadImages(cpuTab, cpuTab, cpuTab);
    gpuButton.LoadImages(gpuTab, gpuTab, gpuTab);
    cpuButton.ResetImageCache();
    gpuButton.ResetImageCache();
    cpuButton.Invalidate();
    gpuButton.Invalidate();
}

void CTftDlg::ShowGroup(TftGroup group)
{
    const bool cpu = group == TftGroup::Cpu;
    (cpu ? m_GpuPicture : m_CpuPicture).ShowWindow(SW_HIDE);
    for (std::size_t i = 0; i < std::size(kItemIds); ++i) {
        const bool cpuItem = i < 4;
        if (cpuItem != cpu)
            ButtonAt(kItemIds[i]).ShowWindow(SW_HIDE);
    }
    (cpu ? m_CpuPicture : m_GpuPicture).ShowWindow(SW_SHOW);
    for (std::size_t i = 0; i < std::size(kItemIds); ++i) {
        const bool cpuItem = i < 4;
        if (cpuItem == cpu)
            ButtonAt(kItemIds[i]).ShowWindow(SW_SHOW);
    }
    m_pEditor->SelectGroup(group);
    ShowItemPreview();
}

void CTftDlg::ShowItemPreview()
{
    // No picture for the item (a unit typed by hand): the old one stays.
    const std::optional<std::wstring> picture = m_pEditor->PreviewPicture();
    if (!picture)
        return;
    m_Preview.LoadImage(SkinFile(picture->c_str()), true);
    m_Preview.SetWindowPos(nullptr, 0, 0, m_Preview.Width(), m_Preview.Height(), SWP_NOMOVE | SWP_NOZORDER);
}

void CTftDlg::PlacePreview()
{
    // An orientation outside 0..3 leaves the preview where it is.
    if (const std::optional<PreviewPlace> place = PreviewPlaceFor(m_pEditor->Options()[TFT_TURN]))
        m_Preview.MoveWindow(place->x, place->y, m_Preview.Width(), m_Preview.Height());
}

bool CTftDlg::OnCommand(UINT id, UINT notifyCode, HWND control)
{
    if (notifyCode != BN_CLICKED || !control || !m_pEditor)
        return CDialog::OnCommand(id, notifyCode, control);
    RefreshControlsIfPending();
    switch (id) {
    case IDC_TFT_CPU_TEMP:
    case IDC_TFT_CPU_CLOCK:
    case IDC_TFT_CPU_FAN:
    case IDC_TFT_CPU_POWER:
    case IDC_TFT_GPU_TEMP:
    case IDC_TFT_GPU_CLOCK:
    case IDC_TFT_GPU_FAN:
    case IDC_TFT_GPU_POWER: OnItemClicked(id - IDC_TFT_CPU_TEMP); return true;
    case IDC_TFT_CPU_TAB: SelectGroup(TftGroup::Cpu); return true;
    case IDC_TFT_GPU_TAB: SelectGroup(TftGroup::Gpu); return true;
    case IDC_TFT_OPEN: OnMasterSwitch(); return true;
    case IDC_TFT_SPEED1:
    case IDC_TFT_SPEED2:
    case IDC_TFT_SPEED3:
        m_pEditor->SelectSpeed(static_cast<std::uint8_t>(id - IDC_TFT_SPEED1));
        ShowSpeedLevel();
        return true;
    case IDC_TFT_ANIMATION:
        if (m_pEditor->ToggleAnimation())
            ShowAnimation();
        return true;
    case IDC_TFT_TURN:
        m_pEditor->Turn();
        ShowItemPreview();
        PlacePreview();
        return true;
    default: return CDialog::OnCommand(id, notifyCode, control);
    }
}

void CTftDlg::OnItemClicked(std::size_t index)
{
    m_pEditor->ToggleItem(index);
    ShowCheck(kItemIds[index], m_pEditor->Options()[kTftItemOptions[index]]);
    ShowItemPreview();
}

void CTftDlg::OnMasterSwitch()
{
    m_pEditor->ToggleMasterSwitch();
    const TftOptions& options = m_pEditor->Options();
    ShowCheck(IDC_TFT_OPEN, options[TFT_OPEN]);
    for (std::size_t i = 0; i < std::size(kItemIds); ++i)
        ShowCheck(kItemIds[i], options[kTftItemOptions[i]]);
}
