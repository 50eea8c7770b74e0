#include "tests/link/LinkTestSupport.h"

#include "runtime/platform/Processes.h"
#include "tests/link/FakeHostProtocol.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace velmar::test {

FakeHost::FakeHost(const std::vector<std::string>& options, const std::string& program)
    : process(program, [&] {
        std::vector<std::string> arguments{"--announce"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return arguments;
    }())
{
    const std::string line = process.readLine();
    EXPECT_EQ(line.rfind("ready ", 0), 0U) << "fakehost said: " << line;
    if (line.size() > 6)
        hwnd = static_cast<platform::HWND>(std::stoul(line.substr(6), nullptr, 16));
}

platform::LRESULT FakeHost::ask(platform::UINT query) const
{
    return platform::SendMessageA(hwnd, query, 0, 0);
}

std::vector<platform::HWND> windowsOfProgram(const std::string& fileName)
{
    std::vector<platform::HWND> found;
    for (const platform::HWND hwnd : platform::EnumWindows()) {
        const std::string program =
            platform::processExecutable(platform::GetWindowThreadProcessId(hwnd));
        if (std::filesystem::path(program).filename() == fileName)
            found.push_back(hwnd);
    }
    return found;
}

platform::HWND awaitWindowOfProgram(const std::string& fileName)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < end) {
        if (const auto windows = windowsOfProgram(fileName); !windows.empty())
            return windows.front();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return 0;
}

void quitOtherWindows()
{
    for (const platform::HWND hwnd : platform::EnumWindows())
        if (platform::GetWindowThreadProcessId(hwnd) != static_cast<std::uint32_t>(::getpid()))
            platform::PostMessageA(hwnd, fakehost::kQuit, 0, 0);
}

} // namespace velmar::test
