#pragma once

#include <filesystem>

namespace velmar::platform {

// The directory that holds this login session's named objects (mappings and window
// endpoints): "$XDG_RUNTIME_DIR/velmar/", or "/tmp/velmar-<uid>/" when that variable is unset,
// empty or not an absolute path.
// It is created private to the user when missing. A directory that belongs to someone
// else or is open to group or others is refused with PlatformError, so nothing is ever
// created in or joined from a place another user can tamper with.
[[nodiscard]] std::filesystem::path sessionDirectory();

} // namespace velmar::platform
