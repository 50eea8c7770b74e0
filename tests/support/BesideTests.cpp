#include "tests/support/BesideTests.h"

#include "runtime/platform/Files.h"

namespace velmar::test {

std::string besideTests(std::string_view program)
{
#ifdef _WIN32
    constexpr std::string_view kSuffix = ".exe";
#else
    constexpr std::string_view kSuffix;
#endif
    return platform::ExeDir() + std::string(program) + std::string(kSuffix);
}

} // namespace velmar::test
