#include "controls/button_ex.h"

#include "controls/mem_dc_ex.h"
#include "controls/picture_file.h"
#include "controls/skinned_style.h"
#include "skin/background_painting.h"
#include "ui/client_dc.h"

namespace {

// The hover notice comes as soon as the mouse rests over the button.
constexpr DWORD kHoverMilliseconds = 1;

} // namespace

void CButtonEx::LoadImages(const std::wstring& normal, const std::wstring& pressed, const std::wstring& hover)
{
    m_pNormalImage.reset();
    m_pPressedImage.reset();
    m_pHoverImage.reset();
    m_pNormalImage = LoadPictureFile(normal);
    if (m_pNormalImage == nullptr)
        return;
    const PictureSize size = SizeOfPicture(m_pNormalImage.get());
    m_nImageWidth = size.width;
    m_nImageHeight = size.height;
    m_pPressedImage = LoadPictureFile(pressed);
    m_pHoverImage = LoadPictureFile(hover);
    MoveWindow(m_nPosX, m_nPosY, m_nImageWidth, m_nImageHeight, true);
}

void CButtonEx::ResetImageCache()
{
    m_bPrepared = false;
    m_pBackground.reset();
    m_pNormalLook.reset();
    m_pPressedLook.reset();
    m_pHoverLook.reset();
}

void CButtonEx::PreSubclassWindow()
{
    ApplySkinnedControlStyle(*this, BS_TYPEMASK);
}

// The button asks for its colours just before each paint: the moment to compose the looks once.
HBRUSH CButtonEx::OnReflectCtlColor(HDC hDC, UINT)
{
    ComposeLooks(hDC);
    return nullptr;
}

bool CButtonEx::OnReflectDrawItem(DRAWITEMSTRUCT& item)
{
    ComposeLooks(item.hDC); // done already, unless the colour request did not come
    ButtonLookInputs inputs;
    inputs.selected = m_bSelected;
    inputs.checkBox = m_bCheckBox;
    inputs.check = m_nCheck;
    inputs.held = (item.itemState & ODS_SELECTED) != 0;
    inputs.hover = m_HoverTracker.IsHover();
    m_CurrentLook = ChooseButtonLook(inputs, m_CurrentLook);

    if (const CMemoryDC* look = LookOf(m_CurrentLook)) {
        const RECT client = GetClientRect();
        BitBlt(item.hDC, 0, 0, client.right, client.bottom, look->Get(), 0, 0, SRCCOPY);
    }
    return true;
}

void CButtonEx::ComposeLooks(HDC hDC)
{
    if (m_bPrepared)
        return;
    const RECT client = GetClientRect();
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0)
        return; // nothing to show; composed once the button has a size

    CMemDCEx buffer(hDC, client);
    if (!m_pBackground)
        SaveParentBackground(width, height);
    const struct {
        std::unique_ptr<CMemoryDC>& look;
        Gdiplus::Image* picture;
    } looks[] = {
        {m_pNormalLook, m_pNormalImage.get()},
        {m_pPressedLook, m_pPressedImage.get()},
        {m_pHoverLook, m_pHoverImage.get()},
    };
    for (const auto& [look, picture] : looks) {
        if (look)
            continue;
        if (m_pBackground)
            BitBlt(buffer.Get(), 0, 0, width, height, m_pBackground->Get(), 0, 0, SRCCOPY);
        if (picture != nullptr) {
            Gdiplus::Graphics graphics(buffer.Get());
            graphics.DrawImage(picture, Gdiplus::Rect(0, 0, width, height));
        } // the graphics object is gone, so its drawing has reached the buffer
        look = std::make_unique<CMemoryDC>(buffer.Get(), width, height);
        BitBlt(look->Get(), 0, 0, width, height, buffer.Get(), 0, 0, SRCCOPY);
    }
    m_bPrepared = true;
}

void CButtonEx::SaveParentBackground(int width, int height)
{
    const CClientDC parent(GetParent());
    const RECT inParent = GetRectInParent();
    m_pBackground = std::make_unique<CMemoryDC>(parent.Get(), width, height);
    BitBlt(m_pBackground->Get(), 0, 0, width, height, parent.Get(), inParent.left, inParent.top, SRCCOPY);
}

const CMemoryDC* CButtonEx::LookOf(ButtonLook look) const
{
    switch (look) {
    case ButtonLook::Pressed:
        return m_pPressedLook.get();
    case ButtonLook::Hover:
        return m_pHoverLook.get();
    case ButtonLook::Normal:
        break;
    }
    return m_pNormalLook.get();
}

BOOL CButtonEx::OnEraseBkgnd(HDC hDC)
{
    return SkipBackgroundErase(hDC);
}

void CButtonEx::OnMouseMove(UINT flags, POINT point)
{
    if (m_HoverTracker.NeedsTrackRequest())
        m_HoverTracker.OnTrackRequested(TrackMouseEvent(TME_HOVER | TME_LEAVE, kHoverMilliseconds));
    CButton::OnMouseMove(flags, point);
}

void CButtonEx::OnMouseHover(UINT, POINT)
{
    m_HoverTracker.OnMouseHover();
    Invalidate(true);
}

void CButtonEx::OnMouseLeave()
{
    m_HoverTracker.OnMouseLeave();
    Invalidate(true);
}
