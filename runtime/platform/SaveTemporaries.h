#pragma once

#include <filesystem>
#include <string>

namespace velmar::platform {

// A whole-file save writes its bytes to "<file>.tmp-<process id>-<random>" beside the file
// and renames that over it. These two rules are the same on every platform; only the
// question whether a process still runs is the platform's.

// A temporary's name for a save of `path` by the process `processId`.
[[nodiscard]] std::string temporaryNameFor(const std::string& path, unsigned long processId);

// Removes the temporaries of saves of `path` whose process died before the rename (a killed
// program); a live process's temporary may be in use and stays. Only regular files whose
// name holds a process id are touched.
void removeLeftoverTemporariesOf(const std::filesystem::path& path,
                                 bool (*processIsGone)(unsigned long processId));

} // namespace velmar::platform
