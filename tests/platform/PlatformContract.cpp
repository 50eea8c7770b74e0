#include "tests/platform/PlatformContract.h"

#include "tests/support/BesideTests.h"

#include <gtest/gtest.h>

namespace velmar::test::contract {

Peer::Peer(const std::vector<std::string>& arguments)
    : process(besideTests("message_peer"), arguments)
{
    const std::string line = process.readLine();
    EXPECT_EQ(line.rfind("ready ", 0), 0U) << "peer said: " << line;
    if (line.size() > 6) {
        announcement = line.substr(6);
        hwnd = static_cast<platform::HWND>(std::stoul(announcement, nullptr, 16));
    }
}

bool pumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        if (platform::waitForMessages(10))
            platform::dispatchMessages();
    }
    return true;
}

int elapsedMs(std::chrono::steady_clock::time_point since)
{
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - since)
                                .count());
}

std::string programName(std::string_view path)
{
    const std::size_t separator = path.find_last_of("\\/");
    std::string name(separator == std::string_view::npos ? path : path.substr(separator + 1));
    name = name.substr(0, name.rfind('.'));
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return name;
}

} // namespace velmar::test::contract
