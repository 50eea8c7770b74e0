#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace velmar::test {

// A program the test starts and that ends with the test: killed if still running.
// Its standard output is a pipe the test reads lines from.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    [[nodiscard]] pid_t pid() const { return m_pid; }

    // The next line the child prints, without its newline; empty at end of output or when
    // nothing came within the timeout.
    [[nodiscard]] std::string readLine(int timeoutMs = 10000);

    // Waits for the child to end; its exit code, or -1 after the timeout or a signal.
    int wait(int timeoutMs = 10000);
    // Ends the child with `signal` (on Windows: with that exit code).
    void kill(int signal);

private:
    pid_t m_pid = -1;
#ifdef _WIN32
    void* m_process = nullptr; // the process and the reading end of its output, as HANDLEs
    void* m_stdout = nullptr;
#else
    int m_stdout = -1;
#endif
    std::string m_buffered;
    bool m_reaped = false;
};

} // namespace velmar::test
