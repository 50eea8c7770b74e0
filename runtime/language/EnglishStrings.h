#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velmar {

struct NumberedString {
    std::uint16_t number;
    std::string_view text; // UTF-8
};

// The program's own English string table, sorted by number, each number once.
[[nodiscard]] std::span<const NumberedString> englishStrings();

// The English text of a number, or nothing when the table lacks it.
[[nodiscard]] std::optional<std::string_view> englishString(std::uint16_t number);

} // namespace velmar
