#include <windows.h>

#include "app/main_dialog.h"
#include "app/zelvane_app.h"

namespace {

// Registered during static initialisation, before the application starts.
const UINT g_nActivationMessage = ActivationMessage();

CCZelvaneApp theApp;

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    (void)g_nActivationMessage;
    return WinAppMain(instance, showCommand);
}
