#include "port_link.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>
#include <utility>
#include <vector>

namespace display_emulator {

PortLink::PortLink(std::string linkPath, std::string target)
    : linkPath_(std::move(linkPath)), target_(std::move(target))
{
    // Made under a temporary name and renamed over the old link, so the path never goes missing.
    const std::string temporary = linkPath_ + ".new." + std::to_string(getpid());
    unlink(temporary.c_str());
    if (symlink(target_.c_str(), temporary.c_str()) != 0)
        throw std::system_error(errno, std::generic_category(), "symlink " + temporary);
    if (std::rename(temporary.c_str(), linkPath_.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        throw std::system_error(error, std::generic_category(), "rename to " + linkPath_);
    }
}

void PortLink::Remove()
{
    if (std::exchange(removed_, true))
        return;
    std::vector<char> buffer(target_.size() + 2);
    const ssize_t length = readlink(linkPath_.c_str(), buffer.data(), buffer.size());
    if (length >= 0 && std::string(buffer.data(), static_cast<std::size_t>(length)) == target_)
        unlink(linkPath_.c_str());
}

}  // namespace display_emulator
