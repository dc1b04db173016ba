// The emulator's end of the serial link: a new pseudo-terminal whose slave the program under test
// opens, or an existing tty. Both are raw, non-blocking, and closed on destruction.
#pragma once

#include <string>
#include <utility>

namespace display_emulator {

class DisplayPort {
public:
    // Both throw std::system_error when the port cannot be set up.
    static DisplayPort OpenPseudoTerminal();
    static DisplayPort OpenTty(const std::string& path);

    DisplayPort(DisplayPort&& other) noexcept;
    DisplayPort& operator=(DisplayPort&&) = delete;
    DisplayPort(const DisplayPort&) = delete;
    ~DisplayPort();

    int Fd() const { return fd_; }
    // The path the far side opens: the pseudo-terminal's slave, or the tty itself.
    const std::string& Name() const { return name_; }

private:
    DisplayPort(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}

    int fd_;
    std::string name_;
};

}  // namespace display_emulator
