#pragma once

#include "runtime/platform/Windows.h"

// What the test host `fakehost` answers besides the host messages. Without arguments (as
// WinExec starts it) it identifies itself and accepts every sign-in.
namespace velmar::test::fakehost {

inline constexpr platform::UINT kIdentifyCount = 2001;
inline constexpr platform::UINT kSignInCount = 2002;
inline constexpr platform::UINT kSignOffCount = 2003;
inline constexpr platform::UINT kLastSignInParam = 2004;
inline constexpr platform::UINT kQuit = 2099;

} // namespace velmar::test::fakehost
