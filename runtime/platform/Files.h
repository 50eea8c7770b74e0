#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmar::platform {

// The characters that end a directory's name in a path.
#ifdef _WIN32
inline constexpr std::string_view kDirectorySeparators = "\\/";
#else
inline constexpr std::string_view kDirectorySeparators = "/";
#endif

// Directory of the running program, ending in a separator ('/'; on Windows '\\').
[[nodiscard]] std::string ExeDir();

// The user's configuration directory for this project ("$XDG_CONFIG_HOME/velmar/",
// by default "~/.config/velmar/"; on Windows the Windows directory), created on first use,
// ending in a separator. Settings go here when the program's own directory cannot take them.
[[nodiscard]] std::string WindowsDir();

// True when a file could be written in `directory`: it exists, this user may write it,
// its file system is not read-only and has free space.
[[nodiscard]] bool directoryWritable(const std::string& directory);

// Replaces `path` as a whole: the new bytes go to a temporary file beside it, which is
// flushed to disk and renamed over the old one, so a crash leaves either the old file or
// the new one. Returns false (and leaves the old file alone, errno telling why) on any
// failure before the rename; once renamed, the file is the new one and the result true.
[[nodiscard]] bool replaceFile(const std::string& path, std::string_view bytes);

// The first `maxBytes` bytes of a regular file, or nothing when it cannot be read.
[[nodiscard]] std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes);

} // namespace velmar::platform
