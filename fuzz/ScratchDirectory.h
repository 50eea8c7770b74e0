#pragma once

#include <string>

namespace velmar::fuzz {

// A private directory for the files a target writes, in memory (/dev/shm) where the
// machine has it so that millions of runs cost no disk; removed with everything in it
// when the process ends. Ends in '/'.
[[nodiscard]] const std::string& ScratchDirectory();

} // namespace velmar::fuzz
