// The static control as a window object: the base of the skinned labels, bars, gauges and pictures,
// which bind to a template static with DDX_Control and paint it themselves.
#pragma once

#include "ui/wnd.h"

class CStatic : public CWnd {
public:
    // The SS_TYPEMASK part of the style (SS_LEFT, SS_OWNERDRAW, ...).
    UINT GetStaticType() const;
};
