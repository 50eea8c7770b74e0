#pragma once

#include "monitor/core/EventGridModel.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace velmar::monitor {

// The help contexts of the text window and of the Working window.
inline constexpr int kTextWindowHelpContext = 13;
inline constexpr int kWorkingWindowHelpContext = 9;

// How many characters the text window takes. The whole of the largest grid fits at the
// usual widths; a grid of very wide rows loses its oldest lines.
inline constexpr std::size_t kTextAreaLimit = 8U * 1024U * 1024U;

// The line of a grid row: its eight cells with a TAB after each of the first seven, without
// a line end. Cells are taken as they stand.
[[nodiscard]] QString EventLine(const GridRow& row);
// The line of the column titles.
[[nodiscard]] QString HeaderLine(const EventGridModel& grid);

inline constexpr QStringView kLineEnd = u"\r\n";

// Text as the text window holds it: lines each ended by CR LF, at most `limit` characters.
class TextBlock {
public:
    explicit TextBlock(std::size_t limit = kTextAreaLimit)
        : m_limit(limit)
    {}

    // Inserts `text` and a CR LF as line `lineIndex` (0 to the number of lines). False, and
    // nothing inserted, when there is no such line or the whole line does not fit.
    bool InsertLine(std::ptrdiff_t lineIndex, QString text);

    [[nodiscard]] std::size_t LineCount() const { return m_lines.size(); }
    // The lines, each ended by `lineEnd` (the text area's own is CR LF).
    [[nodiscard]] QString Text(QStringView lineEnd = kLineEnd) const;

private:
    std::deque<QString> m_lines;
    std::size_t m_length = 0;
    std::size_t m_limit;
};

// The header and, below it, the most recent events oldest first: the walk goes back from
// `currentRow` through the ring and stops at the first row without an event number, on
// coming round to `currentRow` again, or at the first line that does not fit.
[[nodiscard]] TextBlock BuildTextBlock(const EventGridModel& grid, std::int32_t currentRow,
                                       std::size_t limit = kTextAreaLimit);

// Whether the grid shows an event: `currentRow` is a row that holds one.
[[nodiscard]] bool ShowsAnEvent(const EventGridModel& grid, std::int32_t currentRow);

// The whole buffer as the event text file holds it (UTF-8, CR LF): the header, then every
// row of the ring once, oldest first, empty rows included: from row 1 until the rows have
// `wrapped`, from the row after `currentRow` since. Nothing when no event is shown.
[[nodiscard]] std::optional<std::string> BufferFileText(const EventGridModel& grid,
                                                        std::int32_t currentRow, bool wrapped);

// The text window's text as a file holds it: each line ended by CR LF, in UTF-8.
[[nodiscard]] std::string TextFileBytes(const QString& text);

} // namespace velmar::monitor
