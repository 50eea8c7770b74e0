#pragma once

#include <string>

namespace velmar::host {

// The folder takes go to when no file was named: "korvo" in the user's music directory
// (XDG user directories), or in the home directory when there is none.
[[nodiscard]] std::string TakesFolder();

// A timestamped file in TakesFolder(), which is made when missing. Sets `error` and gives
// an empty path when the folder cannot be made.
[[nodiscard]] std::string NewTakePath(std::string& error);

// Why a take could not be written to `path` ("" when it can), to follow the path: its
// folder is missing or cannot be written, or the path is a folder.
[[nodiscard]] std::string CheckTakePath(const std::string& path);

} // namespace velmar::host
