#include "tests/install/ScratchInstall.h"

#include "tests/install/CommandOutput.h"

#include <charconv>
#include <signal.h>

namespace velmar::install::test {

namespace fs = std::filesystem;

ScratchInstall::ScratchInstall(fs::path root)
    : m_root(std::move(root))
{
    const CommandOutput install =
        RunCommand({"/usr/bin/env", "DESTDIR=" + m_root.string(), VELMAR_CMAKE, "--install",
                    VELMAR_BUILD_DIR, "--prefix", "/usr"});
    m_installed = install.exitCode == 0;
    m_log = install.text;
}

ScratchInstall::~ScratchInstall()
{
    for (const std::string& program : kPrograms)
        for (const pid_t pid : ProcessesRunning(ProgramDir() / program))
            ::kill(pid, SIGKILL);
}

std::vector<pid_t> ProcessesRunning(const fs::path& program)
{
    std::vector<pid_t> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        pid_t pid = 0;
        const auto [end, parsed] = std::from_chars(name.data(), name.data() + name.size(), pid);
        if (parsed != std::errc() || end != name.data() + name.size())
            continue;
        std::error_code gone;
        if (fs::read_symlink(entry.path() / "exe", gone) == program)
            found.push_back(pid);
    }
    return found;
}

} // namespace velmar::install::test
