#include "device/debug_output.h"

#include <windows.h>

void WriteDebugOutput(const std::wstring& line)
{
    OutputDebugStringW(line.c_str());
}

DebugOutputSink SetDebugOutputSink(DebugOutputSink)
{
    return {};
}
