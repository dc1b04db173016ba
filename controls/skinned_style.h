// The window style that the skinned controls take before they are subclassed.
#pragma once

#include <windows.h>

class CWnd;

// Replaces the control's type bits (`typeMask`: BS_TYPEMASK for a button, SS_TYPEMASK for a static)
// with 0x0B, adds WS_CLIPSIBLINGS and has the frame recomputed. For a button 0x0B is BS_OWNERDRAW: it
// asks its owner (reflected back to the control) to draw it. For a static it is SS_SIMPLE; the skinned
// statics paint themselves anyway. Replacing rather than adding the bits keeps a template's other
// type (a check box, a group box, a picture static) from combining with 0x0B into a third one.
void ApplySkinnedControlStyle(CWnd& control, DWORD typeMask);
