#pragma once

#include <filesystem>
#include <string>

namespace velmar::test {

// Gives the calling test a world of its own: a fresh temporary directory as
// XDG_RUNTIME_DIR and XDG_CONFIG_HOME, removed again at the end. Processes the test
// starts inherit it.
class ScopedSession {
public:
    ScopedSession();
    ~ScopedSession();
    ScopedSession(const ScopedSession&) = delete;
    ScopedSession& operator=(const ScopedSession&) = delete;

    [[nodiscard]] const std::filesystem::path& root() const { return m_root; }
    // Where named objects of the session live ($XDG_RUNTIME_DIR/velmar).
    [[nodiscard]] std::filesystem::path sessionDir() const { return m_root / "runtime" / "velmar"; }
    [[nodiscard]] std::filesystem::path configDir() const { return m_root / "config"; }

private:
    std::filesystem::path m_root;
};

} // namespace velmar::test
