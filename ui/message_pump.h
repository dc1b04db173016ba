// One step of this framework's message loops: a message taken from the queue goes through the
// PreTranslateMessage filters of its window and that window's parents (CWnd::WalkPreTranslateTree)
// and, unless one of them swallowed it, is translated and dispatched.
#pragma once

#include <windows.h>

void FilterAndDispatch(MSG& msg);
