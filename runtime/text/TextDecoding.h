#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace velmar {

// 8-bit text as our text files hold it: UTF-8 where the bytes are valid UTF-8, and every
// other byte as Windows-1252, so a file saved by either kind of editor, or one mixing both,
// reads the same.
[[nodiscard]] QString decodeText(std::string_view bytes);

// The lines of a text, split at LF, CR LF or a lone CR. A line end at the very end of the
// text starts no further line.
[[nodiscard]] QStringList splitLines(QStringView text);

} // namespace velmar
