#include "emulator_loop.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "frame_report.h"
#include "frame_splitter.h"
#include "stop_signal.h"

namespace display_emulator {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kIdlePollMs = 200;
// A record still incomplete after this much silence is reported as it is (a short frame or garbage).
// A frame is written whole, so a real pause inside one is a fault of the sender.
constexpr int kQuietLineMs = 100;
// While nobody has the far end open, a pseudo-terminal master reports a hang-up at once on every
// poll; this pause keeps that from spinning.
constexpr milliseconds kHangUpPause{20};

// Returns false when a stop signal cut the pause short.
bool PauseUnlessStopped(milliseconds pause)
{
    const auto deadline = Clock::now() + pause;
    while (!StopRequested()) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return true;
        poll(nullptr, 0, static_cast<int>(left));
    }
    return false;
}

class Emulator {
public:
    Emulator(const DisplayPort& port, const EmulatorOptions& options) : port_(port), options_(options) {}

    int Run()
    {
        while (!StopRequested()) {
            pollfd watch{port_.Fd(), POLLIN, 0};
            const int ready = poll(&watch, 1, splitter_.HasPending() ? kQuietLineMs : kIdlePollMs);
            if (ready < 0 && errno != EINTR) {
                std::perror("display-emulator: poll");
                return 1;
            }
            if (ready <= 0) {
                if (!FlushPending())
                    return exitCode_;
                continue;
            }
            if (watch.revents & POLLIN) {
                std::uint8_t buffer[256];
                const ssize_t count = read(port_.Fd(), buffer, sizeof buffer);
                if (count > 0) {
                    lastBytes_ = std::chrono::system_clock::now();
                    for (const DecodedFrame& record : splitter_.Feed(std::span(buffer, static_cast<std::size_t>(count)))) {
                        if (!Report(record, lastBytes_))
                            return exitCode_;
                    }
                    continue;
                }
                if (count < 0 && (errno == EAGAIN || errno == EINTR))
                    continue;
            }
            // The far side has closed the port (EIO or a hang-up): end the record it left and wait
            // for it to open the port again.
            if (!FlushPending())
                return exitCode_;
            PauseUnlessStopped(kHangUpPause);
        }
        return 0;
    }

private:
    bool FlushPending()
    {
        const auto record = splitter_.Flush();
        return !record || Report(*record, lastBytes_);
    }

    bool AnswerProbe()
    {
        if (options_.answerDelay.count() > 0 && !PauseUnlessStopped(options_.answerDelay))
            return false;
        return write(port_.Fd(), &options_.answerByte, 1) == 1;
    }

    // Returns false when the loop must end; exitCode_ then says how.
    bool Report(const DecodedFrame& record, std::chrono::system_clock::time_point received)
    {
        const bool answered =
            record.type == FrameType::Probe && record.WellFormed() && options_.answerProbes && AnswerProbe();

        std::fprintf(stderr, "%s\n", FrameSummary(record, answered).c_str());
        std::fputs((FrameJson(record, IsoUtcTime(received), answered) + "\n").c_str(), stdout);
        if (std::fflush(stdout) != 0) {
            exitCode_ = 1;
            return false;
        }
        ++reported_;
        if (options_.exitAfter && reported_ >= *options_.exitAfter) {
            exitCode_ = 0;
            return false;
        }
        return true;
    }

    const DisplayPort& port_;
    const EmulatorOptions& options_;
    FrameSplitter splitter_;
    std::chrono::system_clock::time_point lastBytes_ = std::chrono::system_clock::now();
    unsigned long reported_ = 0;
    int exitCode_ = 0;
};

}  // namespace

int RunEmulator(const DisplayPort& port, const EmulatorOptions& options)
{
    return Emulator(port, options).Run();
}

}  // namespace display_emulator
