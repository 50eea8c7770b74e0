#include "runtime/pictures/ProgramIcon.h"

#include <QDirIterator>

namespace velmar {

QIcon ProgramIcon(QStringView module)
{
    QIcon icon;
    QDirIterator sizes(module.toString() + QStringLiteral("/icon"), {QStringLiteral("*.png")},
                       QDir::Files);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

} // namespace velmar
