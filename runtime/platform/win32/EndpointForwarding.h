#pragma once

#include "runtime/platform/Windows.h"

#include <windows.h>
#include <optional>

namespace velmar::platform {

// A message from the user range addressed to a top-level window of this process that is
// not one of its endpoints (a Qt main window): handled by the process's first endpoint, as
// if sent there. Nothing for other messages and windows, which keep their own handling.
[[nodiscard]] std::optional<LRESULT> handleForQtWindow(::HWND window, UINT message, WPARAM wParam,
                                                       LPARAM lParam);

} // namespace velmar::platform
