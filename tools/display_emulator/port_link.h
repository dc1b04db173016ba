// A symbolic link to the port for whoever needs a fixed path (tests, a Wine COM device).
#pragma once

#include <string>

namespace display_emulator {

class PortLink {
public:
    // Makes linkPath point at target, replacing whatever is there. Throws std::system_error.
    PortLink(std::string linkPath, std::string target);
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;
    ~PortLink() { Remove(); }

    // Removes the link if it still points at our target, so a newer emulator's link survives.
    void Remove();

private:
    std::string linkPath_;
    std::string target_;
    bool removed_ = false;
};

}  // namespace display_emulator
