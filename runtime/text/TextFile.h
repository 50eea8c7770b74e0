#pragma once

#include <QStringList>

#include <cstddef>
#include <optional>
#include <string>

namespace velmar {

// No text file of ours comes near this size; a bigger one is taken for something else.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{1} << 20;

// The lines of an 8-bit text file (see decodeText and splitLines), or nothing when the file
// cannot be read or is bigger than kMaxTextFileBytes.
[[nodiscard]] std::optional<QStringList> readTextFileLines(const std::string& path);

} // namespace velmar
