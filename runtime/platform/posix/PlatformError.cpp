#include "runtime/platform/PlatformError.h"

#include <cstring>

namespace velmar::platform {

std::string describeErrno(const std::string& what, int error)
{
    return what + ": " + std::strerror(error);
}

} // namespace velmar::platform
