#pragma once

#include <QString>

#include <string>

namespace velmar::drums {

// The settings file's name from the chosen language's text of numbered string 3785. A
// translation is text, not a path: one that is empty or could name another folder ("/",
// "\", "." or "..", a NUL) gives the English name "$Kettra.cfg" instead.
[[nodiscard]] std::string SettingsFileName(const QString& translated);

} // namespace velmar::drums
