#include "runtime/link/ExeBaseName.h"

namespace velmar {

std::string_view ExeBaseName(std::string_view path)
{
    // '/' separates directories here as well, so POSIX paths work like Windows ones.
    const std::size_t separator = path.find_last_of(":\\/");
    const std::string_view name =
        separator == std::string_view::npos ? path : path.substr(separator + 1);
    return name.substr(0, name.rfind('.'));
}

std::string UpperCaseAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

} // namespace velmar
