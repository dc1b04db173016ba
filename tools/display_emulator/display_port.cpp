#include "display_port.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace display_emulator {
namespace {

[[noreturn]] void ThrowErrno(const std::string& what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

// No echo, no line editing, no translation of CR or LF: every frame byte passes as sent.
// On a pseudo-terminal master this sets the slave's line, which keeps it until someone changes it.
void MakeRaw(int fd, bool setDisplaySpeed)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        ThrowErrno("tcgetattr");
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    if (setDisplaySpeed) {
        cfsetispeed(&tio, B115200);
        cfsetospeed(&tio, B115200);
    }
    if (tcsetattr(fd, TCSANOW, &tio) != 0)
        ThrowErrno("tcsetattr");
}

// Closes the descriptor unless released; keeps the set-up code free of cleanup paths.
class FdGuard {
public:
    explicit FdGuard(int fd) : fd_(fd) {}
    ~FdGuard()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

}  // namespace

DisplayPort DisplayPort::OpenPseudoTerminal()
{
    const int fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0)
        ThrowErrno("posix_openpt");
    FdGuard guard(fd);
    if (grantpt(fd) != 0)
        ThrowErrno("grantpt");
    if (unlockpt(fd) != 0)
        ThrowErrno("unlockpt");
    const char* slave = ptsname(fd);
    if (slave == nullptr)
        ThrowErrno("ptsname");
    std::string name = slave;
    MakeRaw(fd, true);
    if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK) != 0)
        ThrowErrno("fcntl");
    return DisplayPort(guard.Release(), std::move(name));
}

DisplayPort DisplayPort::OpenTty(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        ThrowErrno("open " + path);
    FdGuard guard(fd);
    MakeRaw(fd, true);
    return DisplayPort(guard.Release(), path);
}

DisplayPort::DisplayPort(DisplayPort&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), name_(std::move(other.name_))
{
}

DisplayPort::~DisplayPort()
{
    if (fd_ >= 0)
        close(fd_);
}

}  // namespace display_emulator
