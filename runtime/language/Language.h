#pragma once

#include <QString>

#include <cstdint>

namespace velmar {

// The text of a numbered string in the chosen language, falling back to English one
// number at a time; "1" when neither table holds the number.
[[nodiscard]] QString LoadNumStr(std::uint16_t number);

} // namespace velmar
