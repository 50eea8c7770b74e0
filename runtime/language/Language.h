#pragma once

#include <QString>

#include <cstdint>
#include <string>

namespace velmar {

// What the language step found, fixed by InitLanguage for the rest of the process.
struct LanguageState {
    int LanguageIndex = 0;    // 0 = English, without a language module
    QString FontNameOverride; // empty = none
    int FontSizeOverride = 0; // 0 = none
    std::string ExeDir;       // the program's directory, ending in '/'
    std::string DataDir;      // where Language.Ini and fontname.ini are read: ExeDir, or
                              // WindowsDir when ExeDir cannot be written
    std::string WindowsDir;   // the per-user fallback directory, ending in '/'
};

[[nodiscard]] const LanguageState& languageState();

// True while a language module is loaded.
[[nodiscard]] bool languageModuleLoaded();

// The language step of program start, with the program's directory and the per-user
// configuration directory of the platform layer.
void InitLanguage();

// The same with the two directories given: makes `exeDir` the current directory (throws
// std::system_error when it cannot), chooses the data directory, reads the font overrides
// from fontname.ini and the language from Language.Ini, and loads that language's module
// "Korvo2^<letter>.qm" from `exeDir` when there is one. Frees the module of an earlier call.
void InitLanguage(std::string exeDir, std::string windowsDir);

// Frees the language module at program end; numbered strings are English from then on.
void FreeLanguageLibrary();

// The text of a numbered string in the chosen language, falling back to English one number
// at a time; "1" when neither holds the number. At most 1022 characters.
[[nodiscard]] QString LoadNumStr(std::uint16_t number);

// The same text in UTF-8, zero-terminated, in a buffer that stays valid until the next call.
[[nodiscard]] const char* LoadNumStrP(std::uint16_t number);

} // namespace velmar
