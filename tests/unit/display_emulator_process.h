// The display emulator as a child process at the far end of a pty, for the transport's tests.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct EmulatedFrame {
    std::string type; // "probe", "reading", ...
    std::string hex;  // "c5 01 00 ..."
    bool answered = false;
};

class DisplayEmulatorProcess {
public:
    // Starts the emulator with a link to its port at `linkPath` and waits until it is ready.
    DisplayEmulatorProcess(std::string linkPath, std::vector<std::string> faultOptions = {});
    ~DisplayEmulatorProcess();
    DisplayEmulatorProcess(const DisplayEmulatorProcess&) = delete;
    DisplayEmulatorProcess& operator=(const DisplayEmulatorProcess&) = delete;

    bool Ready() const { return m_ready; }
    // Every frame the emulator has logged so far.
    std::vector<EmulatedFrame> Frames() const;
    // Waits until at least `count` frames are logged (or a second has passed).
    std::vector<EmulatedFrame> WaitForFrames(std::size_t count) const;
    // Waits for the process to end by itself (as after --exit-after); true when it did.
    bool WaitForExit();

private:
    std::string m_linkPath;
    std::string m_logPath;
    pid_t m_pid = -1;
    bool m_ready = false;
};
