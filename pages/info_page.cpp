#include "pages/info_page.h"

#include "controls/font_fallback.h"
#include "pages/inventory_rows.h"
#include "res/resource.h"

namespace {

constexpr LabelStyle kRowStyle = {kSkinFontFamily, 13.0f, 0xFFFFFFFF}; // opaque white
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
    CreatePage(IDD_INFO, IDB_INFO_BACKGROUND, parent);
}

void CHDInfoDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (std::size_t i = 0; i < m_Labels.size(); ++i)
        DDX_Control(pDX, kLabelIds[i], m_Labels[i]);
}

void CHDInfoDlg::BindHub(CSensorHub* hub, const std::wstring& skinPath)
{
    m_pHub = hub;
    m_strSkinPath = skinPath;
    constexpr std::size_t kRows = std::size(kLabelIds) / 2;
    for (std::size_t row = 0; row < kRows; ++row) {
        CStaticEx& caption = m_Labels[2 * row];
        caption.Arrange(kRowStyle, kCaptionLeft, kFirstRowTop + kRowPitch * static_cast<int>(row), kCaptionWidth, kRowHeight);
        caption.m_nAlign = kLabelAlignRightCentre;
    }
    for (std::size_t row = 0; row < kRows; ++row) {
        CStaticEx& value = m_Labels[2 * row + 1];
        value.Arrange(kRowStyle, kValueLeft, kFirstRowTop + kRowPitch * static_cast<int>(row), kValueWidth, kRowHeight);
        value.m_nAlign = kLabelAlignTopLeft;
    }
    if (!m_pHub)
        return;
    const auto rows = InventoryRows(*m_pHub);
    for (std::size_t row = 0; row < kRows; ++row)
        m_Labels[2 * row].SetText(rows[row].caption);
    for (std::size_t row = 0; row < kRows; ++row)
        m_Labels[2 * row + 1].SetText(rows[row].value);
}
