#pragma once

#include <QString>

#include <string>

namespace velmar {

// The link record "VELMARLINK.INI": the host's program as the user last chose it, one line
// "EXE=" + path.

// Where the record lives: in the data directory of the language step (the program's own
// directory, or the per-user one when that cannot be written); before that step, in the
// current directory.
[[nodiscard]] std::string LinkIniPath();

// The text after the last "EXE=" line (the key in any case), trimmed of blanks and control
// characters at both ends. Empty when the file is missing, unreadable or has no such line.
[[nodiscard]] QString ReadLinkIni(const std::string& path);

// Replaces the record with the line "EXE=" + name and CR LF. A name with a line break in
// it would not read back the same, so it is not written; a failed write is silent too.
void WriteLinkIni(const std::string& path, const QString& name);

} // namespace velmar
