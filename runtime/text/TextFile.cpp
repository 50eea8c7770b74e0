#include "runtime/text/TextFile.h"

#include "runtime/platform/Files.h"
#include "runtime/text/TextDecoding.h"

namespace velmar {

std::optional<QStringList> readTextFileLines(const std::string& path)
{
    // One byte past the limit tells a file of exactly the limit from a bigger one.
    const auto bytes = platform::readFile(path, kMaxTextFileBytes + 1);
    if (!bytes || bytes->size() > kMaxTextFileBytes)
        return std::nullopt;
    return splitLines(decodeText(*bytes));
}

} // namespace velmar
