// The debugger output: the program's one trace channel.
#pragma once

#include <functional>
#include <string>

// Windows: OutputDebugStringW. Elsewhere: the sink set below, silent when none is set.
void WriteDebugOutput(const std::wstring& line);

using DebugOutputSink = std::function<void(const std::wstring&)>;

// POSIX only: where WriteDebugOutput goes (an empty sink silences it). Returns the previous sink.
DebugOutputSink SetDebugOutputSink(DebugOutputSink sink);
