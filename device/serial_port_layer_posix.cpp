#include "device/serial_port_layer_posix.h"

#include <fcntl.h>
#include <glob.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <thread>

#include "device/port_name.h"

namespace {

// termios has no per-byte write time-out; a blocking write of 18 bytes at 115200 baud is bounded
// by the driver. Reads return at once with whatever has arrived (VMIN 0, VTIME 0).
void SetUpDisplayLine(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return;
    cfsetispeed(&tio, B115200);
    cfsetospeed(&tio, B115200);
    tio.c_cflag = (tio.c_cflag & ~(CSIZE | PARENB | CSTOPB)) | CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &tio);
    tcflush(fd, TCIOFLUSH);
}

using PortLister = std::function<std::vector<PosixSerialPort>()>;

int ToFd(PortHandle port) { return static_cast<int>(port) - 1; }
PortHandle ToHandle(int fd) { return static_cast<PortHandle>(fd) + 1; }

class PosixSerialPortLayer final : public ISerialPortLayer {
public:
    explicit PosixSerialPortLayer(PortLister list) : m_list(std::move(list)) {}

    bool ListPortFriendlyNames(std::vector<std::wstring>& names) override
    {
        m_ports = m_list();
        for (const PosixSerialPort& port : m_ports)
            names.push_back(port.friendlyName);
        return true;
    }

    PortHandle OpenPort(const std::wstring& name) override
    {
        for (const PosixSerialPort& port : m_ports) {
            if (CutPortName(port.friendlyName) != name)
                continue;
            const int fd = ::open(port.devicePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
            if (fd < 0)
                return kNoPort;
            // No sharing, as on Windows: a second open of the same port fails.
            if (isatty(fd) && ioctl(fd, TIOCEXCL) != 0) {
                ::close(fd);
                return kNoPort;
            }
            SetUpDisplayLine(fd);
            return ToHandle(fd);
        }
        return kNoPort;
    }

    bool WritePort(PortHandle port, const std::uint8_t* data, std::size_t size) override
    {
        const int fd = ToFd(port);
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::write(fd, data + done, size - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    }

    bool ReadPort(PortHandle port, std::uint8_t* data, std::size_t size) override
    {
        ssize_t n;
        do {
            n = ::read(ToFd(port), data, size);
        } while (n < 0 && errno == EINTR);
        return n >= 0 || errno == EAGAIN;
    }

    void ClosePort(PortHandle port) override { ::close(ToFd(port)); }

    void Pause(unsigned milliseconds) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

private:
    PortLister m_list;
    std::vector<PosixSerialPort> m_ports; // as of the last listing
};

} // namespace

std::unique_ptr<ISerialPortLayer> CreatePosixSerialPortLayer(std::vector<PosixSerialPort> ports)
{
    return std::make_unique<PosixSerialPortLayer>([ports] { return ports; });
}

std::vector<PosixSerialPort> ListSystemSerialPorts()
{
    std::vector<PosixSerialPort> ports;
    for (const char* pattern : {"/dev/ttyACM*", "/dev/ttyUSB*"}) {
        glob_t found{};
        if (glob(pattern, 0, nullptr, &found) == 0) {
            for (std::size_t i = 0; i < found.gl_pathc; ++i) {
                const std::string path = found.gl_pathv[i];
                const std::wstring comName = L"COM" + std::to_wstring(ports.size() + 1);
                ports.push_back({std::wstring(path.begin(), path.end()) + L" (" + comName + L")", path});
            }
        }
        globfree(&found);
    }
    return ports;
}

std::unique_ptr<ISerialPortLayer> CreateSystemSerialPortLayer()
{
    return std::make_unique<PosixSerialPortLayer>(ListSystemSerialPorts);
}
