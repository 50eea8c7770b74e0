#include "runtime/text/IniFile.h"

#include "runtime/text/TextFile.h"

#include <limits>

namespace velmar {

namespace {

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString withoutEnclosingQuotes(QString value)
{
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\''))
        return value.sliced(1, value.size() - 2);
    return value;
}

int leadingInteger(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    // Accumulated as a negative number, whose range includes the most negative int.
    constexpr int kLowest = std::numeric_limits<int>::min();
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        const int digit = c.unicode() - u'0';
        if (value < (kLowest + digit) / 10)
            return 0;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == kLowest ? 0 : -value;
}

} // namespace

std::optional<IniFile> IniFile::read(const std::string& path)
{
    const auto lines = readTextFileLines(path);
    if (!lines)
        return std::nullopt;
    return IniFile(*lines);
}

IniFile::IniFile(const QStringList& lines)
{
    // Keys above the first section header belong to a nameless section.
    m_sections.push_back(Section{});
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[')) {
            const qsizetype close = line.lastIndexOf(u']');
            if (close > 0)
                m_sections.push_back(Section{line.sliced(1, close - 1).trimmed(), {}});
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        m_sections.back().entries.push_back(
            Entry{line.first(equals).trimmed(), line.sliced(equals + 1).trimmed()});
    }
}

const QString* IniFile::find(QStringView section, QStringView key) const
{
    const QStringView wantedSection = section.trimmed();
    const QStringView wantedKey = key.trimmed();
    for (const Section& candidate : m_sections) {
        if (!sameName(candidate.name, wantedSection))
            continue;
        for (const Entry& entry : candidate.entries) {
            if (sameName(entry.key, wantedKey))
                return &entry.value;
        }
        return nullptr;
    }
    return nullptr;
}

QString IniFile::readString(QStringView section, QStringView key, const QString& fallback) const
{
    const QString* value = find(section, key);
    if (value == nullptr || value->isEmpty())
        return fallback;
    return withoutEnclosingQuotes(*value);
}

int IniFile::readInteger(QStringView section, QStringView key, int fallback) const
{
    const QString* value = find(section, key);
    if (value == nullptr || value->isEmpty())
        return fallback;
    return leadingInteger(*value);
}

} // namespace velmar
