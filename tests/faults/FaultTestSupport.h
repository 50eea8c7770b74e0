#pragma once

#include "runtime/platform/Windows.h"
#include "tests/support/ChildProcess.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace velmar::test {

// How many times the fault tests repeat what they repeat: fewer under the sanitizers, whose
// processes start several times slower (VELMAR_FAULT_REPEAT_DIVISOR).
[[nodiscard]] int repetitions(int full);

// Sets environment variables for the processes the test starts, and restores them.
class ScopedEnvironment {
public:
    explicit ScopedEnvironment(const std::map<std::string, std::string>& values);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

// A program started with its standard error on the same pipe as its output.
[[nodiscard]] std::unique_ptr<ChildProcess>
startWithErrors(const std::string& program, const std::vector<std::string>& arguments);

// Waits up to `timeoutMs` for a window of the process; 0 when none came.
[[nodiscard]] platform::HWND awaitWindowOf(pid_t pid, int timeoutMs = 10000);

// korvo with the given options, once its window is listed.
struct RunningKorvo {
    std::unique_ptr<ChildProcess> process;
    platform::HWND window = 0;
};
[[nodiscard]] RunningKorvo startKorvo(const std::vector<std::string>& options);

// Whether the process exists and has not ended (a zombie has ended).
[[nodiscard]] bool processRunning(pid_t pid);

// What the process holds: open descriptors, mapped regions, and the inodes of the mapped
// files whose path ends in `fileName`, one entry a mapped region.
[[nodiscard]] std::size_t openDescriptors(pid_t pid);
[[nodiscard]] std::size_t mappedRegions(pid_t pid);
[[nodiscard]] std::vector<ino_t> mappedInodes(pid_t pid, const std::string& fileName);

// Median, 99th percentile and largest value of a sample, for the figures the tests print.
struct Spread {
    double median = 0;
    double p99 = 0;
    double max = 0;
};
[[nodiscard]] Spread spreadOf(std::vector<double> values);

// Sleeps for a random time of up to `maxUs` microseconds.
void sleepRandomly(std::uint32_t maxUs);

// The window of a probe from its "ready <hwnd>" line; 0 when it said something else.
[[nodiscard]] platform::HWND probeWindow(ChildProcess& probe);

} // namespace velmar::test
