#pragma once

#include <fcntl.h>
#include <unistd.h>

namespace velmar::host {

// Sends the process's stderr to /dev/null while it lives: for the time a library probes
// for a device and prints its own errors, when korvo says the outcome once itself.
class QuietStderr {
public:
    QuietStderr()
        : m_saved(::dup(STDERR_FILENO))
    {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) {
            ::dup2(null, STDERR_FILENO);
            ::close(null);
        }
    }
    ~QuietStderr()
    {
        if (m_saved >= 0) {
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
        }
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int m_saved;
};

} // namespace velmar::host
