#include "runtime/language/HelpFile.h"

#include "runtime/language/LanguageNames.h"

#include <array>

namespace velmar {

namespace {

constexpr const char* kHelpSuffix = ".html";

std::string searchFor(const std::string& exeDir, const std::string& exePath,
                      const std::string& letter,
                      const std::function<bool(const std::string&)>& exists)
{
    for (const char* family : std::array{"Sablo2", "Korvo2", "DEDUV"}) {
        std::string candidate = exeDir + family + letter + kHelpSuffix;
        if (exists(candidate))
            return candidate;
    }
    // Named after the program itself; not tested, so a missing page is named when opened.
    return exePath + letter + kHelpSuffix;
}

} // namespace

std::string ChooseHelpFile(const std::string& exeDir, const std::string& exePath, int languageIndex,
                           const std::function<bool(const std::string&)>& exists)
{
    const std::optional<char> letter =
        languageIndex == 0 ? std::nullopt : helpLetter(languageIndex);
    std::string chosen = searchFor(exeDir, exePath, letter ? std::string(1, *letter) : "", exists);
    if (letter && !exists(chosen))
        chosen = searchFor(exeDir, exePath, "", exists);
    return chosen;
}

} // namespace velmar
