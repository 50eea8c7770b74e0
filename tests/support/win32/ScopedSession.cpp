#include "tests/support/ScopedSession.h"

#include <windows.h>
#include <string>

namespace velmar::test {

// Named objects live in the system's session namespace on Windows, shared by every test:
// the tests that use them run one at a time. The folders give each test files of its own.
ScopedSession::ScopedSession()
{
    static unsigned counter = 0;
    m_root = std::filesystem::temp_directory_path() /
             ("velmar-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
              std::to_string(++counter));
    std::filesystem::remove_all(m_root);
    std::filesystem::create_directories(m_root / "runtime");
    std::filesystem::create_directories(configDir());
}

ScopedSession::~ScopedSession()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

} // namespace velmar::test
