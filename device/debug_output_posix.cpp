#include "device/debug_output.h"

#include <mutex>

namespace {

std::mutex g_sinkLock;
DebugOutputSink g_sink;

} // namespace

void WriteDebugOutput(const std::wstring& line)
{
    std::lock_guard lock(g_sinkLock);
    if (g_sink)
        g_sink(line);
}

DebugOutputSink SetDebugOutputSink(DebugOutputSink sink)
{
    std::lock_guard lock(g_sinkLock);
    std::swap(g_sink, sink);
    return sink;
}
