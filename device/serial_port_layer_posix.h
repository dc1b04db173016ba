// POSIX serial ports for the transport. Each port carries a Windows-style friendly name whose
// cut name ("COM3") is what the transport opens, so discovery runs the same rules everywhere.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/serial_port_layer.h"

struct PosixSerialPort {
    std::wstring friendlyName; // e.g. L"USB Serial Device (COM5)"
    std::string devicePath;    // e.g. "/dev/ttyACM0" or a pty
};

// A layer over exactly these ports, listed in this order.
std::unique_ptr<ISerialPortLayer> CreatePosixSerialPortLayer(std::vector<PosixSerialPort> ports);

// The system's USB serial devices (/dev/ttyACM*, then /dev/ttyUSB*, each in name order), named
// "<path> (COM1)", "<path> (COM2)", ... in that order.
std::vector<PosixSerialPort> ListSystemSerialPorts();
