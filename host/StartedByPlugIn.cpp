#include "host/StartedByPlugIn.h"

#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace velmar::host {

namespace {

// A process that has ended but was not yet reaped counts as ended.
bool running(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    // "pid (name) S ...": the state follows the name, which may hold spaces and ')'.
    const std::size_t nameEnd = line.rfind(')');
    return nameEnd != std::string::npos && nameEnd + 2 < line.size() && line[nameEnd + 2] != 'Z';
}

bool hasTerminal()
{
    const int terminal = ::open("/dev/tty", O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (terminal < 0)
        return false;
    ::close(terminal);
    return true;
}

} // namespace

bool StartedByPlugIn()
{
    const pid_t session = ::getsid(0);
    return session > 0 && session != ::getpid() && !hasTerminal() && !running(session);
}

} // namespace velmar::host
