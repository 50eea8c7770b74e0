// Two processes sending to each other at the same time, each send answered only after a
// chain of nested sends back and forth, 1 to 8 deep; and the time a silent window costs.

#include "runtime/platform/Windows.h"
#include "tests/stress/NestedSends.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <poll.h>
#include <string>

namespace velmar::platform {
namespace {

using namespace velmar::test::nested;
using Clock = std::chrono::steady_clock;
using velmar::test::ChildProcess;

constexpr int kRounds = 10'000;

std::string hex(HWND hwnd)
{
    char text[16];
    std::snprintf(text, sizeof text, "%x", hwnd);
    return text;
}

// The window a peer announces in its first line, "ready <hwnd>".
HWND announcedWindow(ChildProcess& peer)
{
    const std::string line = peer.readLine();
    EXPECT_EQ(line.rfind("ready ", 0), 0U) << "peer said: " << line;
    return line.size() > 6 ? static_cast<HWND>(std::stoul(line.substr(6), nullptr, 16)) : 0;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

TEST(MessageLoad, NestedSendsBothWaysAtOnceAllGetTheirOwnAnswers)
{
    velmar::test::ScopedSession session;
    HWND partner = 0;
    std::optional<WPARAM> peerCorrect;
    auto window = WindowEndpoint::create([&](UINT message, WPARAM w, LPARAM l) {
        if (message == kDone)
            peerCorrect = w;
        return message == kNest ? AnswerNest(partner, w, l) : LRESULT{-1};
    });
    ChildProcess peer(VELMAR_STRESS_PEER, {"nest", hex(window->hwnd()), std::to_string(kRounds)});
    partner = announcedWindow(peer);
    ASSERT_NE(partner, 0U);

    // The peer sends its own chains from now on; ours run at the same time.
    const auto start = Clock::now();
    int correct = 0;
    double slowestMs = 0;
    for (int round = 0; round < kRounds; ++round) {
        const WPARAM depth = DepthOfRound(round);
        const LPARAM value = ValueOfRound(0, round);
        const auto sent = Clock::now();
        correct += SendMessageA(partner, kNest, depth, value) == ExpectedAnswer(depth, value);
        slowestMs = std::max(slowestMs, millisecondsSince(sent));
    }
    const double oursTookMs = millisecondsSince(start);
    // Keep answering until the peer's chains are through.
    const auto giveUp = Clock::now() + std::chrono::seconds(60);
    while (!peerCorrect && Clock::now() < giveUp) {
        pollfd fd{messageNotifierFd(), POLLIN, 0};
        if (::poll(&fd, 1, 10) > 0)
            dispatchMessages();
    }
    const double tookMs = millisecondsSince(start);

    EXPECT_EQ(correct, kRounds);
    EXPECT_EQ(peerCorrect, kRounds);
    EXPECT_LT(slowestMs, kSendTimeoutMs) << "a send waited for the timeout: a deadlock";
    EXPECT_EQ(SendMessageA(partner, kQuit, 0, 0), 1);
    EXPECT_EQ(peer.wait(), 0);

    // Rounds of depth d hold d sends; both sides ran kRounds of them.
    const double sends = 2.0 * kRounds * (1 + kMaxDepth) / 2.0;
    std::printf("%d rounds each way, %.0f sends in %.0f ms (ours done after %.0f ms), "
                "%.1f µs a send, slowest round %.1f ms\n",
                kRounds, sends, tookMs, oursTookMs, tookMs * 1000.0 / sends, slowestMs);
}

TEST(MessageLoad, SendTimeoutToASilentWindowIsFiveSeconds)
{
    velmar::test::ScopedSession session;
    ChildProcess peer(VELMAR_MESSAGE_PEER, {"silent"});
    const HWND silent = announcedWindow(peer);
    ASSERT_NE(silent, 0U);
    const auto timedSend = [&](const char* which) {
        const auto start = Clock::now();
        const LRESULT answer = SendMessageA(silent, 1000, 1, 2);
        const double waitedMs = millisecondsSince(start);
        EXPECT_EQ(answer, 0) << which;
        EXPECT_NEAR(waitedMs, kSendTimeoutMs, 20.0) << which;
        std::printf("%s send: 0 after %.1f ms\n", which, waitedMs);
    };
    timedSend("first");
    // The first send's connection was closed when it timed out; this one opens its own.
    timedSend("second");
}

} // namespace
} // namespace velmar::platform
