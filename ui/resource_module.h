// The module whose resources (dialog templates, PNG pictures, icons) the program uses: the
// executable unless set otherwise.
#pragma once

#include <windows.h>

HMODULE GetResourceModule();
void SetResourceModule(HMODULE module);
