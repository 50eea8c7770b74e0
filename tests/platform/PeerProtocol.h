#pragma once

#include "runtime/platform/Windows.h"

// What the test peer process understands: messages of the application range (from 0x8000),
// which every platform hands to a window's handler.
namespace velmar::test::peer {

using platform::UINT;

inline constexpr UINT kAdd = 0x8000;          // answers wParam + lParam
inline constexpr UINT kSequence = 0x8001;     // posted: wParam is the next number of a sequence
inline constexpr UINT kPostsInOrder = 0x8002; // answers the posts counted, -1 after a gap
inline constexpr UINT kRelay = 0x8003;        // posts kRelayNotice to wParam, sends it kRelayed,
                                              // answers that answer + 1
inline constexpr UINT kRelayed = 0x8004;
inline constexpr UINT kRelayNotice = 0x8005;
inline constexpr UINT kStart = 0x8006; // posted: wParam is the partner to send to
inline constexpr UINT kQuit = 0x8063;

} // namespace velmar::test::peer
