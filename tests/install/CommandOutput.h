#pragma once

#include <string>
#include <vector>

namespace velmar::install::test {

struct CommandOutput {
    int exitCode = -1; // -1: killed by a signal, or still running at the timeout
    std::string text;  // everything it wrote to standard output
};

// Runs `argv[0]` (a path) with the rest as arguments and waits for it to end; its standard
// error goes where the test's goes.
[[nodiscard]] CommandOutput RunCommand(const std::vector<std::string>& argv, int timeoutMs = 60000);

} // namespace velmar::install::test
