// The button control as a window object: the base of the skinned buttons, which bind to a template
// button with DDX_Control and draw it themselves through the reflected WM_DRAWITEM.
#pragma once

#include "ui/wnd.h"

class CButton : public CWnd {
public:
    // BST_CHECKED / BST_UNCHECKED / BST_INDETERMINATE of a check box or radio button.
    int GetCheck() const;
    void SetCheck(int check);
    // BST_PUSHED, BST_FOCUS, ... as BM_GETSTATE reports them.
    UINT GetState() const;
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, bool redraw = true);
};
