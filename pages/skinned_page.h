// What the pages of the main window's content area share: a child dialog shaped and painted by its
// background picture, 719 x 419, which Enter and Escape never end. UI thread only.
#pragma once

#include <windows.h>

#include "ui/dialog.h"
#include "ui/gdi_object.h"
#include "ui/gdiplus_api.h"

class CSkinnedPage : public CDialog {
public:
    static constexpr int kWidth = 719;
    static constexpr int kHeight = 419;

    ~CSkinnedPage() override;

protected:
    CSkinnedPage() = default;
    // For the derived constructor (the data exchange of the derived page runs in it): makes the
    // page's window from its template as a child of `parent`, hidden, and shapes it after PNG
    // resource `backgroundId`.
    void CreatePage(UINT templateId, UINT backgroundId, CWnd* parent);

    // Sizes the window to the page's size where it stands.
    BOOL OnInitDialog() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC hDC) override;
    void OnOK() override {}
    void OnCancel() override {}

    GdiplusPtr<Gdiplus::Bitmap> m_pBackground;
    CRgn m_Region;
};
