// Window classes whose windows bind to CWnd objects from their creation on.
#pragma once

#include <windows.h>

// The framework's own class: no background brush (nothing is erased unless a handler paints),
// double clicks reported, arrow cursor. Registered on first use.
const wchar_t* FrameworkWindowClass();

// Registers a named class of ours for CWnd::CreateEx. An existing registration of the name counts
// as success.
bool RegisterWindowClass(const wchar_t* name, UINT style = CS_DBLCLKS, HBRUSH background = nullptr);

// Registers a dialog class under a new name, a copy of the system dialog class "#32770", for dialog
// templates that name their own class (CLASS "..."). An existing registration counts as success.
bool RegisterDialogClass(const wchar_t* name);
