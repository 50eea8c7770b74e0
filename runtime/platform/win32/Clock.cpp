#include "runtime/platform/Clock.h"

#include <windows.h>
#include <mmsystem.h>

namespace velmar::platform {

std::uint32_t timeGetTime()
{
    return static_cast<std::uint32_t>(::timeGetTime());
}

void Sleep(std::uint32_t milliseconds)
{
    ::Sleep(milliseconds);
}

} // namespace velmar::platform
