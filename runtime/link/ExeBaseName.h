#pragma once

#include <string>
#include <string_view>

namespace velmar {

// The file name of a program path without its directory and extension: the last ':', '\'
// or '/' ends the directory part, and the last '.' after it starts the extension (the whole
// rest is the name when there is no such dot). "C:\Old.Dir\HOST" gives "HOST".
[[nodiscard]] std::string_view ExeBaseName(std::string_view path);

// Only the letters a to z become A to Z; other bytes, UTF-8 sequences included, stay.
[[nodiscard]] std::string UpperCaseAscii(std::string_view text);

} // namespace velmar
