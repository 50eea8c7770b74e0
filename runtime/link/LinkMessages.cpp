#include "runtime/link/LinkMessages.h"

#include "runtime/language/Language.h"

namespace velmar {

namespace {

constexpr std::uint16_t kIsRunningButCouldNotLink = 4671;
constexpr std::uint16_t kIsAnOlderVersion = 4672;
constexpr std::uint16_t kCannotFindMainWindow = 4673;
constexpr std::uint16_t kSignInFailed = 4674;
constexpr std::uint16_t kCloseTheOtherExe = 4675;
constexpr std::uint16_t kDllMayBeLoaded = 4676;
constexpr std::uint16_t kLaunchFromWithin = 4677;

} // namespace

QString NotLinkableText(const QString& exeName)
{
    return exeName + LoadNumStr(kIsRunningButCouldNotLink) + exeName +
           LoadNumStr(kIsAnOlderVersion);
}

QString WindowNotFoundText(const QString& exeName)
{
    return exeName + LoadNumStr(kCannotFindMainWindow);
}

QString SignInFailedText(const QString& exeName)
{
    const QString paragraphBreak = QStringLiteral("\r\r");
    QString text = exeName + LoadNumStr(kSignInFailed) + paragraphBreak +
                   LoadNumStr(kCloseTheOtherExe) + paragraphBreak + LoadNumStr(kDllMayBeLoaded) +
                   paragraphBreak + LoadNumStr(kLaunchFromWithin);
    if (text.size() > kSignInFailedTextLength) {
        qsizetype length = kSignInFailedTextLength;
        if (text[length - 1].isHighSurrogate())
            --length; // never half a character
        text.truncate(length);
    }
    return text;
}

} // namespace velmar
