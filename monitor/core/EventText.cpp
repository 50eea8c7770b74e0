#include "monitor/core/EventText.h"

namespace velmar::monitor {

namespace {

// The row before `row` in a ring of rows 1 to `rowCount`.
std::int32_t previousRow(std::int32_t row, std::int32_t rowCount)
{
    return row > 1 ? row - 1 : rowCount;
}

std::int32_t nextRow(std::int32_t row, std::int32_t rowCount)
{
    return row < rowCount ? row + 1 : 1;
}

void appendLine(std::string& bytes, const QString& line)
{
    bytes += line.toUtf8().toStdString();
    bytes += "\r\n";
}

} // namespace

QString EventLine(const GridRow& row)
{
    QString line;
    for (std::size_t column = 0; column < row.size(); ++column) {
        if (column > 0)
            line += u'\t';
        line += row[column].text();
    }
    return line;
}

QString HeaderLine(const EventGridModel& grid)
{
    QString line;
    for (std::size_t column = 0; column < kGridColumnCount; ++column) {
        if (column > 0)
            line += u'\t';
        line += grid.HeaderText(column);
    }
    return line;
}

bool TextBlock::InsertLine(std::ptrdiff_t lineIndex, QString text)
{
    if (lineIndex < 0 || static_cast<std::size_t>(lineIndex) > m_lines.size())
        return false;
    // Only whole lines go in, so a full text area never ends in a cut line.
    const std::size_t length = static_cast<std::size_t>(text.size() + kLineEnd.size());
    if (length > m_limit - m_length)
        return false;
    m_lines.insert(m_lines.begin() + lineIndex, std::move(text));
    m_length += length;
    return true;
}

QString TextBlock::Text(QStringView lineEnd) const
{
    QString text;
    text.reserve(static_cast<qsizetype>(m_length));
    for (const QString& line : m_lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

TextBlock BuildTextBlock(const EventGridModel& grid, std::int32_t currentRow, std::size_t limit)
{
    TextBlock block(limit);
    const RowStore& rows = grid.rows();
    if (!block.InsertLine(0, HeaderLine(grid)) || currentRow < 1 || currentRow > rows.RowCount())
        return block;
    std::int32_t row = currentRow;
    do {
        if (rows.Row(row)[kNumberColumn].empty() || !block.InsertLine(1, EventLine(rows.Row(row))))
            break;
        row = previousRow(row, rows.RowCount());
    } while (row != currentRow);
    return block;
}

bool ShowsAnEvent(const EventGridModel& grid, std::int32_t currentRow)
{
    const RowStore& rows = grid.rows();
    return currentRow >= 1 && currentRow <= rows.RowCount() &&
           !rows.Row(currentRow)[kNumberColumn].empty();
}

std::optional<std::string> BufferFileText(const EventGridModel& grid, std::int32_t currentRow,
                                          bool wrapped)
{
    if (!ShowsAnEvent(grid, currentRow))
        return std::nullopt;
    const RowStore& rows = grid.rows();
    const std::int32_t start = wrapped ? nextRow(currentRow, rows.RowCount()) : 1;

    std::string bytes;
    appendLine(bytes, HeaderLine(grid));
    for (std::int32_t row = start;; row = nextRow(row, rows.RowCount())) {
        appendLine(bytes, EventLine(rows.Row(row)));
        if (row == currentRow)
            break;
    }
    return bytes;
}

std::string TextFileBytes(const QString& text)
{
    QString lines = text;
    lines.replace(u'\n', kLineEnd.toString());
    return lines.toUtf8().toStdString();
}

} // namespace velmar::monitor
