#pragma once

#include <QStringList>

#include <optional>

namespace velmar {

// The language index one line of Language.Ini names: the line starts with "LANGUAGE=" (any
// case) and the rest, trimmed of blanks and control characters, equals a language name,
// comparing the letters a-z without regard to case. Of equal names the lowest index wins,
// so "English" is always 0. Nothing for any other line.
[[nodiscard]] std::optional<int> languageOfLine(QStringView line);

// The language the lines of Language.Ini select: the last line that names one; 0 (English)
// when none does.
[[nodiscard]] int selectLanguage(const QStringList& lines);

} // namespace velmar
