#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace velmar::monitor {

// Replaces the file at `path` as a whole with `bytes`, so a failed save leaves any old file
// as it was. Returns the message, in the user's language, that names the file and the
// reason when the save fails.
[[nodiscard]] std::optional<QString> SaveWholeFile(const QString& path, std::string_view bytes);

// The same replace; when it fails, only the reason, for a caller that words its own message:
// the system's, or `notInFull` when it gave none.
[[nodiscard]] std::optional<QString> ReplaceWholeFile(const QString& path, std::string_view bytes,
                                                      const QString& notInFull);

} // namespace velmar::monitor
