#pragma once

#include "runtime/platform/Windows.h"
#include "tests/support/ChildProcess.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What the contract suite needs beside the platform layer itself: the peer process, a
// short message loop, and the few facts in which the platforms rightly differ.
namespace velmar::test::contract {

// The peer program in a mode, and the window it announces (0 when it has none).
struct Peer {
    explicit Peer(const std::vector<std::string>& arguments);
    ChildProcess process;
    platform::HWND hwnd = 0;
    std::string announcement; // what follows "ready "
};

// Handles this process's messages until `done` holds or `timeoutMs` passes.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);

[[nodiscard]] int elapsedMs(std::chrono::steady_clock::time_point since);

// Lower case of the name of a path's last component, without its extension.
[[nodiscard]] std::string programName(std::string_view path);

#ifdef _WIN32
// Windows does not tell a window who sent it a message.
inline constexpr bool kSenderKnown = false;
// A library every process has loaded, and a name that is no regular file.
inline constexpr std::string_view kSystemLibrary = "kernel32";
inline constexpr const char* kDevice = "NUL";
#else
inline constexpr bool kSenderKnown = true;
inline constexpr std::string_view kSystemLibrary = "libc";
inline constexpr const char* kDevice = "/dev/zero";
#endif

} // namespace velmar::test::contract
