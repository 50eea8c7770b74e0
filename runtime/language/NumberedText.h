#pragma once

#include <cstdint>
#include <string>

namespace velmar {

// Looks up a numbered string in the chosen language, as UTF-8.
using NumberedTextLookup = std::string (*)(std::uint16_t number);

// Installed by the language step; until then, and in programs without one, the program's
// English table answers.
void SetNumberedTextLookup(NumberedTextLookup lookup);

// The text of a numbered string for code that does without Qt: the installed lookup's, or
// the English text, or "1" when the number is unknown.
[[nodiscard]] std::string NumberedText(std::uint16_t number);

} // namespace velmar
