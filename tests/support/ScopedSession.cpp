#include "tests/support/ScopedSession.h"

#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <vector>

namespace velmar::test {

ScopedSession::ScopedSession()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velmar-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_root = buffer.data();
    std::filesystem::create_directories(m_root / "runtime");
    std::filesystem::permissions(m_root / "runtime", std::filesystem::perms::owner_all);
    std::filesystem::create_directories(configDir());
    ::setenv("XDG_RUNTIME_DIR", (m_root / "runtime").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", configDir().c_str(), 1);
}

ScopedSession::~ScopedSession()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

} // namespace velmar::test
