#include "monitor/core/WholeFileSave.h"

#include "runtime/language/Language.h"
#include "runtime/platform/Files.h"

#include <QFile>

#include <cerrno>
#include <system_error>

namespace velmar::monitor {

namespace {

constexpr std::uint16_t kCouldNotSave = 15615; // "%1 could not be saved: %2. ..."
constexpr std::uint16_t kNotInFull = 15616;    // "the file could not be written in full"

} // namespace

std::optional<QString> ReplaceWholeFile(const QString& path, std::string_view bytes,
                                        const QString& notInFull)
{
    errno = 0;
    if (platform::replaceFile(QFile::encodeName(path).toStdString(), bytes))
        return std::nullopt;
    const int error = errno;
    return error != 0 ? QString::fromStdString(std::generic_category().message(error)) : notInFull;
}

std::optional<QString> SaveWholeFile(const QString& path, std::string_view bytes)
{
    const std::optional<QString> reason = ReplaceWholeFile(path, bytes, LoadNumStr(kNotInFull));
    if (!reason)
        return std::nullopt;
    return LoadNumStr(kCouldNotSave).arg(path, *reason);
}

} // namespace velmar::monitor
