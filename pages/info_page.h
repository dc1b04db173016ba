// The hardware information page: eight rows of a caption and the hub's inventory text, filled once
// when the hub is bound. UI thread only.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "controls/static_ex.h"
#include "pages/skinned_page.h"

class CSensorHub;

class CHDInfoDlg : public CSkinnedPage {
public:
    // Creates the page's window, hidden, as a child of the main window.
    explicit CHDInfoDlg(CWnd* parent);

    // Places the labels and gives them their texts; later changes of the hub do not show.
    void BindHub(CSensorHub* hub, const std::wstring& skinPath);

    // Captions first (rows 0 to 7), then the values.
    const CStaticEx& Caption(std::size_t row) const { return m_Labels[2 * row]; }
    const CStaticEx& Value(std::size_t row) const { return m_Labels[2 * row + 1]; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CSensorHub* m_pHub = nullptr;
    std::wstring m_strSkinPath;
    std::array<CStaticEx, 16> m_Labels; // caption and value of each row, in row order
};
