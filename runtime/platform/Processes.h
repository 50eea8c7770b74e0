#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::platform {

struct OsVersionInfo {
    std::uint32_t platformId;
    std::uint32_t majorVersion;
    std::uint32_t minorVersion;
};

// What the platform reports itself as, so the window search takes its module-list path.
[[nodiscard]] OsVersionInfo GetVersionExA();

// Path of the program a process runs, also when its file was replaced since it started;
// empty when the process is gone or not ours to see.
[[nodiscard]] std::string processExecutable(std::uint32_t pid);

// The program and every file mapped into the process.
[[nodiscard]] std::vector<std::string> processModules(std::uint32_t pid);

constexpr int kShowNormal = 1;

// Starts the program at `path` as a new, detached process. 33 when it started, a value
// below 32 when it could not. A bare name ending in ".EXE" that does not exist as given is
// also tried as its lower-case base name, beside this program and then on PATH.
int WinExec(std::string_view path, int showCommand);

} // namespace velmar::platform
