#include "ui/message_pump.h"

#include "ui/wnd.h"

void FilterAndDispatch(MSG& msg)
{
    if (CWnd::WalkPreTranslateTree(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}
