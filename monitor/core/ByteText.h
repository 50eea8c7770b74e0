#pragma once

#include <cstdint>
#include <string_view>

namespace velmar::monitor {

// The grid's numbers come from tables built once rather than from formatting at run time.

// Two upper-case hexadecimal digits and a space: "00 " to "FF ".
[[nodiscard]] std::string_view HexByteText(std::uint8_t value);

// The number right-aligned in three characters and a space: "  0 " to "255 ".
[[nodiscard]] std::string_view DecByteText(std::uint8_t value);

// The note's name and octave, as "C  0 " for note 0, "C  5 " for 60 and "G 10 " for 127.
[[nodiscard]] std::string_view NoteNameText(std::uint8_t note);

} // namespace velmar::monitor
