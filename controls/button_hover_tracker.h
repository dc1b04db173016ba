// The hover and tracking flags of a skinned button, driven by the mouse messages it receives.
#pragma once

// The window class asks the system for hover and leave notices (TrackMouseEvent with TME_HOVER |
// TME_LEAVE and a 1 ms hover time) whenever NeedsTrackRequest() says so, and reports the result.
class CButtonHoverTracker {
public:
    // WM_MOUSEMOVE: true when no request is pending, so one must be made now.
    bool NeedsTrackRequest() const { return !m_bTracking; }
    // The result of that request; a failed request is asked again at the next mouse move.
    void OnTrackRequested(bool accepted) { m_bTracking = accepted; }
    // WM_MOUSEHOVER: the mouse rests over the button. The window class invalidates afterwards.
    void OnMouseHover() { m_bHover = true; }
    // WM_MOUSELEAVE: the pending request is used up and the hover ends. Invalidate afterwards.
    void OnMouseLeave()
    {
        m_bTracking = false;
        m_bHover = false;
    }

    bool IsHover() const { return m_bHover; }

private:
    bool m_bTracking = false;
    bool m_bHover = false;
};
