#pragma once

#include <windows.h>
#include <string>

namespace velmar::platform {

// "what: reason" with the system's text for an error code of GetLastError().
[[nodiscard]] std::string describeLastError(const std::string& what, DWORD error);

} // namespace velmar::platform
