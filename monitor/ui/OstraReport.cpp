#include "monitor/ui/OstraReport.h"

#include "monitor/core/EventGridModel.h"
#include "monitor/ui/MonitorWindow.h"

#include <QDir>
#include <QFile>
#include <QPixmap>

#include <cstdio>

namespace velmar::monitor {

namespace {

void writeRow(QFile& file, const RowStore& rows, std::int32_t row)
{
    QString line;
    bool empty = true;
    for (std::size_t column = 0; column < kGridColumnCount; ++column) {
        if (column > 0)
            line += QLatin1Char('\t');
        line += rows.Text(row, column);
        empty = empty && rows.Text(row, column).isEmpty();
    }
    if (!empty)
        file.write((line + QLatin1Char('\n')).toUtf8());
}

} // namespace

std::optional<OstraReport> OstraReport::FromEnvironment()
{
    const QString directory = qEnvironmentVariable("VELMAR_OSTRA_REPORT");
    if (directory.isEmpty())
        return std::nullopt;
    return OstraReport(directory);
}

void OstraReport::Linked(platform::HWND host) const
{
    std::printf("linked %08x\n", host);
    std::fflush(stdout);
}

void OstraReport::Ended(MonitorWindow& form) const
{
    const QDir directory(m_directory);
    form.grab().save(directory.filePath(QStringLiteral("window.png")));

    QFile file(directory.filePath(QStringLiteral("grid.txt")));
    if (!file.open(QIODevice::WriteOnly))
        return;
    const RowStore& rows = form.Grid().rows();
    // The ring's oldest row follows the newest one.
    const std::int32_t newest = form.Intake().CurrentRow();
    for (std::int32_t row = newest + 1; row <= rows.RowCount(); ++row)
        writeRow(file, rows, row);
    for (std::int32_t row = 1; row <= newest; ++row)
        writeRow(file, rows, row);
}

} // namespace velmar::monitor
