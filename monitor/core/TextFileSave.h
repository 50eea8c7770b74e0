#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace velmar::monitor {

// Replaces the file at `path` as a whole with `bytes`: a failed save leaves the old file
// as it was. Returns the message that names the file and the reason when the save fails.
[[nodiscard]] std::optional<QString> SaveTextFile(const QString& path, std::string_view bytes);

} // namespace velmar::monitor
