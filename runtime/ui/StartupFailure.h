#pragma once

#include <QString>

#include <exception>

namespace velmar {

// What a failed start-up tells the user: the error's text and, where the system gave a
// reason (which directory, and why it was refused), that reason after it.
[[nodiscard]] QString StartupFailureText(const std::exception& error);

// Tells of a failed start-up on standard error, as "<program>: <text>", and in an error box.
void ReportStartupFailure(const char* program, const std::exception& error);

} // namespace velmar
