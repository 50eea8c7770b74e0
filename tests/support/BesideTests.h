#pragma once

#include <string>
#include <string_view>

namespace velmar::test {

// The path of a program built beside the running test program, by its bare name
// ("message_peer"; on Windows with ".exe" added).
[[nodiscard]] std::string besideTests(std::string_view program);

} // namespace velmar::test
