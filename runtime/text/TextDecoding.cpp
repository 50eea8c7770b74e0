#include "runtime/text/TextDecoding.h"

#include <array>
#include <cstddef>
#include <optional>

namespace velmar {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. Its five unassigned bytes keep their
// C1 code points, as Windows itself converts them.
constexpr std::array<char16_t, 32> kWindows1252From80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t fromWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kWindows1252From80[byte - 0x80u];
    return byte;
}

struct Utf8Sequence {
    std::size_t length;
    char32_t codePoint;
};

// The well-formed UTF-8 sequence that starts `bytes` (not empty), or nothing when there is
// none: a stray continuation byte, a cut-off sequence, an overlong form, a surrogate or a
// code point above U+10FFFF.
std::optional<Utf8Sequence> utf8SequenceAt(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes.front());
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead < 0x80)
        return Utf8Sequence{1, lead};
    if ((lead & 0xE0u) == 0xC0u) {
        length = 2;
        codePoint = lead & 0x1Fu;
        smallest = 0x80;
    } else if ((lead & 0xF0u) == 0xE0u) {
        length = 3;
        codePoint = lead & 0x0Fu;
        smallest = 0x800;
    } else if ((lead & 0xF8u) == 0xF0u) {
        length = 4;
        codePoint = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() < length)
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if ((byte & 0xC0u) != 0x80u)
            return std::nullopt;
        codePoint = (codePoint << 6) | (byte & 0x3Fu);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return std::nullopt;
    return Utf8Sequence{length, codePoint};
}

void appendCodePoint(QString& text, char32_t codePoint)
{
    if (QChar::requiresSurrogates(codePoint)) {
        text.append(QChar(QChar::highSurrogate(codePoint)));
        text.append(QChar(QChar::lowSurrogate(codePoint)));
    } else {
        text.append(QChar(static_cast<char16_t>(codePoint)));
    }
}

} // namespace

QString decodeText(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        if (const auto sequence = utf8SequenceAt(bytes)) {
            appendCodePoint(text, sequence->codePoint);
            bytes.remove_prefix(sequence->length);
        } else {
            text.append(QChar(fromWindows1252(static_cast<unsigned char>(bytes.front()))));
            bytes.remove_prefix(1);
        }
    }
    return text;
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r')
            continue;
        lines.append(text.sliced(lineStart, i - lineStart).toString());
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < text.size())
        lines.append(text.sliced(lineStart).toString());
    return lines;
}

} // namespace velmar
