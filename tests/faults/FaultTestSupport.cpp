#include "tests/faults/FaultTestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

namespace velmar::test {

namespace {

std::string procFile(pid_t pid, const char* name)
{
    return "/proc/" + std::to_string(pid) + "/" + name;
}

std::mt19937& randomEngine()
{
    static std::mt19937 engine{std::random_device{}()};
    return engine;
}

} // namespace

int repetitions(int full)
{
    return std::max(1, full / VELMAR_FAULT_REPEAT_DIVISOR);
}

ScopedEnvironment::ScopedEnvironment(const std::map<std::string, std::string>& values)
{
    for (const auto& [name, value] : values) {
        const char* old = std::getenv(name.c_str());
        m_saved[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        ::setenv(name.c_str(), value.c_str(), 1);
    }
}

ScopedEnvironment::~ScopedEnvironment()
{
    for (const auto& [name, value] : m_saved) {
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
    }
}

std::unique_ptr<ChildProcess> startWithErrors(const std::string& program,
                                              const std::vector<std::string>& arguments)
{
    std::vector<std::string> shellArguments{"-c", "exec \"$0\" \"$@\" 2>&1", program};
    shellArguments.insert(shellArguments.end(), arguments.begin(), arguments.end());
    return std::make_unique<ChildProcess>("/bin/sh", shellArguments);
}

platform::HWND awaitWindowOf(pid_t pid, int timeoutMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        for (const platform::HWND hwnd : platform::EnumWindows())
            if (platform::GetWindowThreadProcessId(hwnd) == static_cast<std::uint32_t>(pid))
                return hwnd;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    } while (std::chrono::steady_clock::now() < end);
    return 0;
}

RunningKorvo startKorvo(const std::vector<std::string>& options)
{
    RunningKorvo korvo;
    korvo.process = std::make_unique<ChildProcess>(VELMAR_KORVO, options);
    korvo.window = awaitWindowOf(korvo.process->pid());
    return korvo;
}

bool processRunning(pid_t pid)
{
    std::ifstream stat(procFile(pid, "stat"));
    std::string line;
    if (!std::getline(stat, line))
        return false;
    // The state follows the command name, which is in parentheses and may hold spaces.
    const std::size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

std::size_t openDescriptors(pid_t pid)
{
    std::error_code error;
    std::size_t count = 0;
    for (std::filesystem::directory_iterator it(procFile(pid, "fd"), error), end;
         !error && it != end; it.increment(error))
        ++count;
    return count;
}

std::size_t mappedRegions(pid_t pid)
{
    std::ifstream maps(procFile(pid, "maps"));
    std::size_t count = 0;
    for (std::string line; std::getline(maps, line);)
        ++count;
    return count;
}

std::vector<ino_t> mappedInodes(pid_t pid, const std::string& fileName)
{
    std::ifstream maps(procFile(pid, "maps"));
    std::vector<ino_t> inodes;
    for (std::string line; std::getline(maps, line);) {
        if (line.size() < fileName.size() ||
            line.compare(line.size() - fileName.size(), fileName.size(), fileName) != 0)
            continue;
        // address perms offset device inode path
        std::istringstream fields(line);
        std::string address, perms, offset, device;
        ino_t inode = 0;
        fields >> address >> perms >> offset >> device >> inode;
        inodes.push_back(inode);
    }
    return inodes;
}

Spread spreadOf(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const auto at = [&values](double fraction) {
        const auto index = static_cast<std::size_t>(
            std::ceil(fraction * static_cast<double>(values.size())) - 1.0);
        return values[std::min(index, values.size() - 1)];
    };
    return {at(0.5), at(0.99), values.back()};
}

void sleepRandomly(std::uint32_t maxUs)
{
    std::uniform_int_distribution<std::uint32_t> delay(0, maxUs);
    std::this_thread::sleep_for(std::chrono::microseconds(delay(randomEngine())));
}

platform::HWND probeWindow(ChildProcess& probe)
{
    const std::string line = probe.readLine();
    if (line.rfind("ready ", 0) != 0)
        return 0;
    return static_cast<platform::HWND>(std::stoul(line.substr(6), nullptr, 16));
}

} // namespace velmar::test
