#include "runtime/link/LinkIni.h"

#include "runtime/language/Language.h"
#include "runtime/platform/Files.h"
#include "runtime/text/TextFile.h"

namespace velmar {

namespace {

constexpr char kFileName[] = "VELMARLINK.INI";
constexpr QLatin1StringView kKey("EXE=");

// Only a to z fold to A to Z, as everywhere in our text files.
bool startsWithKey(QStringView line)
{
    if (line.size() < kKey.size())
        return false;
    for (qsizetype i = 0; i < kKey.size(); ++i) {
        char16_t c = line[i].unicode();
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
        if (c != static_cast<char16_t>(kKey[i].unicode()))
            return false;
    }
    return true;
}

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= u' ' || c.unicode() == 0x7F;
}

QString trimmedOfBlanksAndControls(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin).toString();
}

} // namespace

std::string LinkIniPath()
{
    return languageState().DataDir + kFileName;
}

QString ReadLinkIni(const std::string& path)
{
    const auto lines = readTextFileLines(path);
    if (!lines)
        return {};
    QString result;
    for (const QString& line : *lines) {
        if (startsWithKey(line))
            result = trimmedOfBlanksAndControls(QStringView(line).sliced(kKey.size()));
    }
    return result;
}

void WriteLinkIni(const std::string& path, const QString& name)
{
    if (name.contains(u'\r') || name.contains(u'\n'))
        return;
    (void)platform::replaceFile(path,
                                (kKey + name + QStringLiteral("\r\n")).toUtf8().toStdString());
}

} // namespace velmar
