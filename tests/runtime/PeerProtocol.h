#pragma once

#include "runtime/platform/Windows.h"

// What the test peer process understands.
namespace velmar::test::peer {

using platform::UINT;

inline constexpr UINT kAdd = 1000;          // answers wParam + lParam
inline constexpr UINT kSequence = 1001;     // posted: wParam is the next number of a sequence
inline constexpr UINT kPostsInOrder = 1002; // answers the posts counted, -1 after a gap
inline constexpr UINT kRelay = 1003;        // posts kRelayNotice to wParam, sends it kRelayed,
                                            // answers that answer + 1
inline constexpr UINT kRelayed = 1004;
inline constexpr UINT kRelayNotice = 1005;
inline constexpr UINT kStart = 1006; // posted: wParam is the partner to send to
inline constexpr UINT kQuit = 1099;

} // namespace velmar::test::peer
