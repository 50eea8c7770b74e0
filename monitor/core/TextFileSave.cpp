#include "monitor/core/TextFileSave.h"

#include "monitor/core/WholeFileSave.h"

namespace velmar::monitor {

std::optional<QString> SaveTextFile(const QString& path, std::string_view bytes)
{
    const std::optional<QString> reason =
        ReplaceWholeFile(path, bytes, QStringLiteral("the file could not be written in full"));
    if (!reason)
        return std::nullopt;
    return QStringLiteral("The event text could not be saved to \"%1\": %2. "
                          "Any earlier file of that name is unchanged.")
        .arg(path, *reason);
}

} // namespace velmar::monitor
