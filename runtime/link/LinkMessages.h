#pragma once

#include <QString>

namespace velmar {

// The texts of the host link's error messages, in the current language.

// A process of the host's name runs, but none of its windows answers as the host.
[[nodiscard]] QString NotLinkableText(const QString& exeName);

// The host was started, but no process of its name is seen.
[[nodiscard]] QString WindowNotFoundText(const QString& exeName);

// The host refused the sign-in: four paragraphs joined by two carriage returns each, cut
// to kSignInFailedTextLength characters.
[[nodiscard]] QString SignInFailedText(const QString& exeName);

inline constexpr qsizetype kSignInFailedTextLength = 700;

} // namespace velmar
