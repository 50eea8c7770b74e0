#pragma once

#include <functional>
#include <string>

namespace velmar {

// The help file both programs use, chosen from the files in the program's directory: the
// host family's pages first, in the language's own variant when one is chosen, else a
// page named after the program. `exePath` is the program's path; `exists` tests a file.
[[nodiscard]] std::string ChooseHelpFile(const std::string& exeDir, const std::string& exePath,
                                         int languageIndex,
                                         const std::function<bool(const std::string&)>& exists);

} // namespace velmar
