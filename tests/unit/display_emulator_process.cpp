#include "display_emulator_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

using namespace std::chrono_literals;

std::string JsonText(const std::string& line, const std::string& key)
{
    const std::string marker = "\"" + key + "\":\"";
    const std::size_t start = line.find(marker);
    if (start == std::string::npos)
        return {};
    const std::size_t from = start + marker.size();
    return line.substr(from, line.find('"', from) - from);
}

template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds limit = 2000ms)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

} // namespace

DisplayEmulatorProcess::DisplayEmulatorProcess(std::string linkPath, std::vector<std::string> faultOptions)
    : m_linkPath(std::move(linkPath)), m_logPath(m_linkPath + ".log")
{
    std::vector<std::string> args = {DISPLAY_EMULATOR_PATH, "--link", m_linkPath};
    args.insert(args.end(), faultOptions.begin(), faultOptions.end());
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    m_pid = fork();
    if (m_pid == 0) {
        const int log = open(m_logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = open("/dev/null", O_WRONLY);
        dup2(log, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    m_ready = m_pid > 0 && WaitUntil([&] {
                  std::ifstream log(m_logPath);
                  std::string first;
                  return std::getline(log, first) && first.find("\"ready\"") != std::string::npos &&
                         std::filesystem::exists(m_linkPath);
              });
}

DisplayEmulatorProcess::~DisplayEmulatorProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

std::vector<EmulatedFrame> DisplayEmulatorProcess::Frames() const
{
    std::vector<EmulatedFrame> frames;
    std::ifstream log(m_logPath);
    for (std::string line; std::getline(log, line);) {
        if (line.find("\"hex\"") == std::string::npos)
            continue;
        frames.push_back({JsonText(line, "type"), JsonText(line, "hex"),
                          line.find("\"answered\":true") != std::string::npos});
    }
    return frames;
}

std::vector<EmulatedFrame> DisplayEmulatorProcess::WaitForFrames(std::size_t count) const
{
    WaitUntil([&] { return Frames().size() >= count; }, 1000ms);
    return Frames();
}

bool DisplayEmulatorProcess::WaitForExit()
{
    const bool exited = WaitUntil([&] { return waitpid(m_pid, nullptr, WNOHANG) == m_pid; });
    if (exited)
        m_pid = -1;
    return exited;
}
