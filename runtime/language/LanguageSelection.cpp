#include "runtime/language/LanguageSelection.h"

#include "runtime/language/LanguageNames.h"

#include <array>

namespace velmar {

namespace {

// Only a-z change: every other character must match exactly, so "ê" and "Ê" differ.
QString upperAsciiLetters(QStringView text)
{
    QString upper = text.toString();
    for (QChar& c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(static_cast<char16_t>(c.unicode() - (u'a' - u'A')));
    }
    return upper;
}

bool isBlankOrControl(QChar c)
{
    return c == u' ' || c.category() == QChar::Other_Control;
}

QStringView trimmedOfBlanksAndControls(QStringView text)
{
    while (!text.isEmpty() && isBlankOrControl(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlankOrControl(text.back()))
        text.chop(1);
    return text;
}

const std::array<QString, kLanguageCount>& upperLanguageNames()
{
    static const std::array<QString, kLanguageCount> names = [] {
        std::array<QString, kLanguageCount> upper;
        for (int index = 0; index < kLanguageCount; ++index)
            upper[static_cast<std::size_t>(index)] = upperAsciiLetters(languageName(index));
        return upper;
    }();
    return names;
}

} // namespace

std::optional<int> languageOfLine(QStringView line)
{
    const QString key = QStringLiteral("LANGUAGE=");
    if (line.size() < key.size() || upperAsciiLetters(line.first(key.size())) != key)
        return std::nullopt;
    const QString name = upperAsciiLetters(trimmedOfBlanksAndControls(line.sliced(key.size())));
    const auto& names = upperLanguageNames();
    for (int index = 0; index < kLanguageCount; ++index) {
        if (names[static_cast<std::size_t>(index)] == name)
            return index;
    }
    return std::nullopt;
}

int selectLanguage(const QStringList& lines)
{
    int index = 0;
    for (const QString& line : lines) {
        if (const auto named = languageOfLine(line))
            index = *named;
    }
    return index;
}

} // namespace velmar
