#include "runtime/language/Language.h"

#include "runtime/language/EnglishStrings.h"

namespace velmar {

QString LoadNumStr(std::uint16_t number)
{
    const auto text = englishString(number);
    return text ? QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size()))
                : QStringLiteral("1");
}

} // namespace velmar
