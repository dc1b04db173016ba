// Port names as the device-installation service shows them ("USB Serial Device (COM5)").
#pragma once

#include <string>

// The text after the first "(" (the whole name when there is none), without the ")" at its end.
std::wstring CutPortName(const std::wstring& friendlyName);

// Only names that begin with "COM" at their very first character are serial ports to try.
bool IsComPortName(const std::wstring& portName);
