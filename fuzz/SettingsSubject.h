#pragma once

#include <cstdint>

namespace velmar::fuzz {

// The first byte of a fuzz_settings input (modulo kSettingsSubjectCount) names the file
// that the rest of the input is.
enum class SettingsSubject : std::uint8_t {
    OstraSettings,  // the monitor's "$OSTRA.cfg"
    KettraSettings, // the drum display's "$Kettra.cfg"
    LanguageIni,    // "Language.Ini"
    FontNameIni,    // "fontname.ini"
    LinkIni,        // "VELMARLINK.INI"
};
inline constexpr std::uint8_t kSettingsSubjectCount = 5;

} // namespace velmar::fuzz
