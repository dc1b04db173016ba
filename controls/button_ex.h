// The skinned push button: drawn entirely from three pictures (normal, pressed, hover) laid over a
// copy of what the parent shows beneath the button, so that pictures with transparent edges blend
// into the page. It serves as a push button, as a check box whose picture follows m_nCheck, and as
// a permanently selected button of a navigation or option group. Clicks reach the owner as the
// ordinary BN_CLICKED command.
//
// Use: bind it to a template button (DDX_Control), set m_nPosX / m_nPosY, call LoadImages (the
// button takes the normal picture's size and moves there). After changing m_bSelected, m_bCheckBox
// or m_nCheck, invalidate the button.
//
// Each look (background with one picture on it) is composed once, at the first paint, from the
// parent's pixels at that moment, and afterwards shown with one block copy: hovering and clicking
// never decode or scale a picture. New pictures or a new background show only after
// ResetImageCache and an invalidation.
//
// UI thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/button_hover_tracker.h"
#include "controls/button_look.h"
#include "controls/button_pictures.h"
#include "ui/button.h"
#include "ui/gdiplus_api.h"
#include "ui/memory_dc.h"

class CButtonEx : public CButton {
public:
    // Full paths of the three pictures. The button takes the normal picture's size and moves to
    // (m_nPosX, m_nPosY), repainting; a normal picture that cannot be read gives it zero size.
    // The looks already composed stay until ResetImageCache.
    void LoadImages(const std::wstring& normal, const std::wstring& pressed, const std::wstring& hover);
    void LoadImages(const ButtonPictureFiles& files) { LoadImages(files.normal, files.pressed, files.hover); }
    // Drops the composed looks and the saved background: the next paint composes them again from
    // the parent's current pixels and the current pictures. Invalidate the button afterwards.
    void ResetImageCache();

    std::int32_t m_nPosX = 0; // top-left corner in the parent's client coordinates, for LoadImages
    std::int32_t m_nPosY = 0;
    std::int32_t m_nCheck = 0;   // check-box mode: 0 normal look, 1 pressed look, other keeps the last
    bool m_bSelected = false;    // the pressed look whatever the mouse does
    bool m_bCheckBox = false;    // the look follows m_nCheck

protected:
    void PreSubclassWindow() override;
    bool OnReflectDrawItem(DRAWITEMSTRUCT& item) override;
    HBRUSH OnReflectCtlColor(HDC hDC, UINT message) override;
    BOOL OnEraseBkgnd(HDC hDC) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnMouseHover(UINT flags, POINT point) override;
    void OnMouseLeave() override;

private:
    void ComposeLooks(HDC hDC);
    void SaveParentBackground(int width, int height);
    const CMemoryDC* LookOf(ButtonLook look) const;

    GdiplusPtr<Gdiplus::Image> m_pNormalImage;
    GdiplusPtr<Gdiplus::Image> m_pPressedImage;
    GdiplusPtr<Gdiplus::Image> m_pHoverImage;
    std::unique_ptr<CMemoryDC> m_pBackground;
    std::unique_ptr<CMemoryDC> m_pNormalLook;
    std::unique_ptr<CMemoryDC> m_pPressedLook;
    std::unique_ptr<CMemoryDC> m_pHoverLook;
    ButtonLook m_CurrentLook = ButtonLook::Normal;
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
    CButtonHoverTracker m_HoverTracker;
    bool m_bPrepared = false;
};
