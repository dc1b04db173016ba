// An off-screen buffer over a target DC, for painting without flicker: everything is drawn into a
// bitmap compatible with the target, and the buffer's rectangle is copied onto the target in one
// block when the buffer goes. The buffer has the target's coordinates (its window origin is the
// rectangle's top-left corner), so the same drawing code serves both. A printing target gets no
// buffer: drawing goes straight onto it, as it does when the buffer cannot be made.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/memory_dc.h"

class CMemDCEx {
public:
    // An empty rectangle (all four values 0) covers the target's clip box.
    explicit CMemDCEx(HDC target, const RECT& rect = RECT{});
    ~CMemDCEx();
    CMemDCEx(const CMemDCEx&) = delete;
    CMemDCEx& operator=(const CMemDCEx&) = delete;

    // Where to draw: the buffer, or the target itself when there is none.
    HDC Get() const { return m_buffer ? m_buffer->Get() : m_hTarget; }
    const RECT& Rect() const { return m_rect; }
    bool IsMemDC() const { return m_buffer.has_value(); }

    // Starts the buffer with the target's current pixels, so that a picture with transparent parts
    // lands on what the target shows, exactly as drawing straight onto the target would.
    void CopyFromTarget();

private:
    HDC m_hTarget;
    RECT m_rect;
    std::optional<CMemoryDC> m_buffer;
};
