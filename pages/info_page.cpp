#include "pages/info_page.h"

#include "pages/inventory_rows.h"
#include "res/resource.h"
#include "skin/background_painting.h"
#include "skin/window_shape.h"

namespace {

constexpr const wchar_t* kTextFamily = L"思源黑体";
constexpr float kFontSize = 13.0f;
constexpr int kRowHeight = 25;
constexpr int kFirstRowTop = 30;
constexpr int kRowPitch = 50;
constexpr int kCaptionLeft = 25;
constexpr int kCaptionWidth = 130;
constexpr int kValueLeft = 170;
constexpr int kValueWidth = 400;

// Caption and value of each row, in row order.
constexpr UINT kLabelIds[16] = {
    IDC_INFO_CPU_CAPTION,   IDC_INFO_CPU,   IDC_INFO_BOARD_CAPTION,   IDC_INFO_BOARD,
    IDC_INFO_RAM_CAPTION,   IDC_INFO_RAM,   IDC_INFO_DISK_CAPTION,    IDC_INFO_DISK,
    IDC_INFO_GPU_CAPTION,   IDC_INFO_GPU,   IDC_INFO_SOUND_CAPTION,   IDC_INFO_SOUND,
    IDC_INFO_NETWORK_CAPTION, IDC_INFO_NETWORK, IDC_INFO_SYSTEM_CAPTION, IDC_INFO_SYSTEM,
};

} // namespace

CHDInfoDlg::CHDInfoDlg(CWnd* parent)
{
    Create(IDD_INFO, parent);
    ShapeWindowFromPng(*this, IDB_INFO_BACKGROUND, m_pBackground, m_Region);
}

CHDInfoDlg::~CHDInfoDlg()
{
    m_pBackground.reset();
    DestroyWindow();
}

void CHDInfoDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (std::size_t i = 0; i < m_Labels.size(); ++i)
        DDX_Control(pDX, kLabelIds[i], m_Labels[i]);
}

BOOL CHDInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowPos(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
    return TRUE;
}

void CHDInfoDlg::BindHub(CSensorHub* hub, const std::wstring& skinPath)
{
    m_pHub = hub;
    m_strSkinPath = skinPath;
    constexpr std::size_t kRows = std::size(kLabelIds) / 2;
    for (std::size_t row = 0; row < kRows; ++row)
        PlaceLabel(m_Labels[2 * row], kCaptionLeft, kFirstRowTop + kRowPitch * static_cast<int>(row), kCaptionWidth,
                   kLabelAlignRightCentre);
    for (std::size_t row = 0; row < kRows; ++row)
        PlaceLabel(m_Labels[2 * row + 1], kValueLeft, kFirstRowTop + kRowPitch * static_cast<int>(row), kValueWidth,
                   kLabelAlignTopLeft);
    if (!m_pHub)
        return;
    const auto rows = InventoryRows(*m_pHub);
    for (std::size_t row = 0; row < kRows; ++row)
        m_Labels[2 * row].SetText(rows[row].caption);
    for (std::size_t row = 0; row < kRows; ++row)
        m_Labels[2 * row + 1].SetText(rows[row].value);
}

void CHDInfoDlg::PlaceLabel(CStaticEx& label, int left, int top, int width, std::int32_t align)
{
    label.m_pTextBrush.reset(new Gdiplus::SolidBrush(Gdiplus::Color(0xFF, 0xFF, 0xFF, 0xFF)));
    label.SetTextFont(kTextFamily, kFontSize);
    label.MoveWindow(left, top, width, kRowHeight, true);
    label.m_nWidth = width;
    label.m_nHeight = kRowHeight;
    label.m_nAlign = align;
}

void CHDInfoDlg::OnPaint()
{
    PaintBackground(GetSafeHwnd(), m_pBackground.get());
}

BOOL CHDInfoDlg::OnEraseBkgnd(HDC hDC)
{
    return SkipBackgroundErase(hDC);
}
