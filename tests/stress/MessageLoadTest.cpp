// Two processes sending to each other at the same time, each send answered only after a
// chain of nested sends back and forth, 1 to 8 deep; and the time a silent window costs
// the sends and the posts to it.

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
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

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
        // Never early; late only by what a busy machine's scheduler adds, far short of a
        // second timeout spent on connecting.
        EXPECT_GE(waitedMs, kSendTimeoutMs - 1.0) << which;
        EXPECT_LT(waitedMs, kSendTimeoutMs + 300.0) << which;
        std::printf("%s send: 0 after %.1f ms\n", which, waitedMs);
    };
    timedSend("first");
    // The first send's connection was closed when it timed out; this one opens its own.
    timedSend("second");
}

// A post never waits for the receiver: what its connection cannot take waits in the sender,
// up to a limit, and a window that cannot take a new connection loses the post at once.
TEST(MessageLoad, PostsNeverWaitForAWindowThatTakesNothing)
{
    velmar::test::ScopedSession session;
    ChildProcess peer(VELMAR_MESSAGE_PEER, {"silent"});
    const HWND silent = announcedWindow(peer);
    ASSERT_NE(silent, 0U);

    double slowestMs = 0;
    const auto timedPost = [&] {
        const auto start = Clock::now();
        const bool posted = PostMessageA(silent, 1000, 1, 2);
        slowestMs = std::max(slowestMs, millisecondsSince(start));
        return posted;
    };
    int delivered = 0;
    while (delivered < 1'000'000 && timedPost())
        ++delivered;
    EXPECT_GT(delivered, 10'000) << "posts wait for room in the sender";
    EXPECT_LT(delivered, 1'000'000) << "up to a limit";
    EXPECT_FALSE(timedPost()) << "and the next one";
    EXPECT_LT(slowestMs, 500.0) << "a post waited for room";

    // A second silent window whose queue of new connections others have filled.
    ChildProcess second(VELMAR_MESSAGE_PEER, {"silent"});
    const HWND crowded = announcedWindow(second);
    ASSERT_NE(crowded, 0U);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    char name[16];
    std::snprintf(name, sizeof name, "%08x.win", crowded);
    const std::string path = (session.sessionDir() / name).string();
    ASSERT_LT(path.size(), sizeof address.sun_path);
    path.copy(address.sun_path, path.size());
    std::vector<int> crowd;
    for (int i = 0; i < 10'000; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        ASSERT_GE(fd, 0);
        crowd.push_back(fd);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            break;
    }
    const auto start = Clock::now();
    EXPECT_FALSE(PostMessageA(crowded, 1000, 1, 2));
    EXPECT_LT(millisecondsSince(start), 500.0) << "a post waited for a connection";
    for (const int fd : crowd)
        ::close(fd);
}

} // namespace
} // namespace velmar::platform
