#include "drums/core/SettingsFileName.h"

#include "runtime/language/EnglishStrings.h"

namespace velmar::drums {

namespace {

constexpr std::uint16_t kFileNameString = 3785;

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(u'\0'));
}

} // namespace

std::string SettingsFileName(const QString& translated)
{
    if (isPlainFileName(translated))
        return translated.toStdString();
    return std::string(englishString(kFileNameString).value());
}

} // namespace velmar::drums
