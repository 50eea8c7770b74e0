#pragma once

#include <QString>

#include <optional>

namespace velmar {

// Language indexes run from 0 (English, the program's own table) to kLanguageCount - 1.
inline constexpr int kLanguageCount = 27;

// The name Language.Ini selects a language by; empty for an index out of range. Several
// entries carry only their letter as name.
[[nodiscard]] QString languageName(int index);

// The letter in the file name of a language's module, 'A' + index - 1; nothing for English
// (index 0, which has no module) and for an index out of range.
[[nodiscard]] std::optional<char> moduleLetter(int index);

// The letter in the names of a language's help files: the first character of its name,
// which is not always its module letter (Finnish: F and H).
[[nodiscard]] std::optional<char> helpLetter(int index);

} // namespace velmar
