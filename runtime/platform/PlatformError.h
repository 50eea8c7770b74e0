#pragma once

#include <stdexcept>
#include <string>

namespace velmar::platform {

// A failure of the operating system that the caller cannot work around, with a text that
// names the object and the reason.
class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "what: reason" with the reason taken from errno.
[[nodiscard]] std::string describeErrno(const std::string& what, int error);

} // namespace velmar::platform
