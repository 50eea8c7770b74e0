#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace velmar::install::test {

// This build installed under a directory of the test's own as the package lays it out
// (prefix /usr), through `cmake --install` with DESTDIR: what a user's system receives.
class ScratchInstall {
public:
    explicit ScratchInstall(std::filesystem::path root);
    // Ends every program still running from the tree.
    ~ScratchInstall();
    ScratchInstall(const ScratchInstall&) = delete;
    ScratchInstall& operator=(const ScratchInstall&) = delete;

    // Whether `cmake --install` succeeded, and what it printed.
    [[nodiscard]] bool Installed() const { return m_installed; }
    [[nodiscard]] const std::string& Log() const { return m_log; }

    [[nodiscard]] const std::filesystem::path& Root() const { return m_root; }
    [[nodiscard]] std::filesystem::path Prefix() const { return m_root / "usr"; }
    [[nodiscard]] std::filesystem::path ProgramDir() const { return Prefix() / VELMAR_PROGRAM_DIR; }
    [[nodiscard]] std::filesystem::path BinDir() const { return Prefix() / VELMAR_BIN_DIR; }
    [[nodiscard]] std::filesystem::path DataDir() const { return Prefix() / VELMAR_DATA_DIR; }
    [[nodiscard]] std::filesystem::path ManDir() const { return Prefix() / VELMAR_MAN_DIR; }

private:
    std::filesystem::path m_root;
    bool m_installed = false;
    std::string m_log;
};

// Processes that run `program` (their /proc/<pid>/exe).
[[nodiscard]] std::vector<pid_t> ProcessesRunning(const std::filesystem::path& program);

// The programs the tree installs, by name.
inline const std::vector<std::string> kPrograms{"ostra", "kettra", "korvo"};

} // namespace velmar::install::test
