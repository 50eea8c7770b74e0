#include "runtime/language/LanguageNames.h"

#include <array>
#include <string_view>

namespace velmar {

namespace {

// UTF-8; both "English" entries are kept so that every index keeps its module letter.
constexpr std::array<std::string_view, kLanguageCount> kNames = {
    "English",
    "Arabic",
    "B",
    "Chinese Traditional",
    "Danish",
    "English",
    "French",
    "German",
    "Finnish",
    "Italian",
    "Japanese",
    "Korean",
    "Chinese Simplified",
    "M",
    "N",
    "Norwegian",
    "Portugu\u00eas",
    "Hindi",
    "Russian",
    "Spanish",
    "Polish",
    "Dutch",
    "Vietnamese",
    "Swedish",
    "X",
    "Y",
    "Z",
};

bool inRange(int index)
{
    return index >= 0 && index < kLanguageCount;
}

} // namespace

QString languageName(int index)
{
    if (!inRange(index))
        return {};
    const std::string_view name = kNames[static_cast<std::size_t>(index)];
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

std::optional<char> moduleLetter(int index)
{
    if (!inRange(index) || index == 0)
        return std::nullopt;
    return static_cast<char>('A' + index - 1);
}

std::optional<char> helpLetter(int index)
{
    if (!inRange(index))
        return std::nullopt;
    return kNames[static_cast<std::size_t>(index)].front();
}

} // namespace velmar
