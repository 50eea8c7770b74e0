#include "monitor/core/TextFileSave.h"

#include "runtime/platform/Files.h"

#include <QFile>

#include <cerrno>
#include <system_error>

namespace velmar::monitor {

std::optional<QString> SaveTextFile(const QString& path, std::string_view bytes)
{
    errno = 0;
    if (platform::replaceFile(QFile::encodeName(path).toStdString(), bytes))
        return std::nullopt;
    const int error = errno;
    const QString reason = error != 0
                               ? QString::fromStdString(std::generic_category().message(error))
                               : QStringLiteral("the file could not be written in full");
    return QStringLiteral("The event text could not be saved to \"%1\": %2. "
                          "Any earlier file of that name is unchanged.")
        .arg(path, reason);
}

} // namespace velmar::monitor
