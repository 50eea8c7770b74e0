#include "runtime/language/NumberedText.h"

#include "runtime/language/EnglishStrings.h"

namespace velmar {

namespace {

NumberedTextLookup g_lookup = nullptr;

} // namespace

void SetNumberedTextLookup(NumberedTextLookup lookup)
{
    g_lookup = lookup;
}

std::string NumberedText(std::uint16_t number)
{
    if (g_lookup != nullptr)
        return g_lookup(number);
    if (const auto english = englishString(number); english && !english->empty())
        return std::string(*english);
    return "1";
}

} // namespace velmar
