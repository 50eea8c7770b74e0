#pragma once

#include "runtime/platform/Windows.h"

// Chains of sent messages between two windows: a window that gets kNest with a depth
// above 1 sends kNest with one less to its partner before it answers, so a chain of depth
// N is N sends nested inside each other, alternating between the two processes. Every
// answer is computed from the request it answers, so an answer given to the wrong request
// shows.
namespace velmar::test::nested {

using platform::HWND;
using platform::LPARAM;
using platform::LRESULT;
using platform::UINT;
using platform::WPARAM;

inline constexpr UINT kNest = 1200; // wParam the depth, lParam the value
inline constexpr UINT kDone = 1201; // posted when a side's rounds are through: wParam how
                                    // many got their expected answer
inline constexpr UINT kQuit = 1299;
inline constexpr WPARAM kMaxDepth = 8;

// What a chain of `depth` sends that starts with `value` answers.
[[nodiscard]] constexpr LRESULT ExpectedAnswer(WPARAM depth, LPARAM value)
{
    return depth <= 1 ? value * 2 + 1 : ExpectedAnswer(depth - 1, value * 3 + depth) + depth;
}

// A window's answer to kNest: passes the chain on to `partner` until it ends.
inline LRESULT AnswerNest(HWND partner, WPARAM depth, LPARAM value)
{
    if (depth < 1 || depth > kMaxDepth)
        return -1;
    if (depth == 1)
        return value * 2 + 1;
    return platform::SendMessageA(partner, kNest, depth - 1, value * 3 + depth) + depth;
}

// The depth (1 to 8) and value of round i; each side starts its values elsewhere.
[[nodiscard]] constexpr WPARAM DepthOfRound(int round)
{
    return 1 + round % kMaxDepth;
}
[[nodiscard]] constexpr LPARAM ValueOfRound(int side, int round)
{
    return side * 100'000'000LL + round * 7LL;
}

} // namespace velmar::test::nested
