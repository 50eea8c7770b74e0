#include "runtime/language/EnglishStrings.h"

#include <algorithm>
#include <array>

namespace velmar {

namespace {

constexpr std::array kTable = {
    NumberedString{28, "Error"},
    NumberedString{4678, "Error creating memory mapping"},
    NumberedString{4679, "Error deallocating mapped memory"},
    NumberedString{4680, "Error freeing memory mapping handle"},
};

} // namespace

std::span<const NumberedString> englishStrings()
{
    return kTable;
}

std::optional<std::string_view> englishString(std::uint16_t number)
{
    const auto found = std::lower_bound(
        kTable.begin(), kTable.end(), number,
        [](const NumberedString& entry, std::uint16_t wanted) { return entry.number < wanted; });
    if (found == kTable.end() || found->number != number)
        return std::nullopt;
    return found->text;
}

} // namespace velmar
