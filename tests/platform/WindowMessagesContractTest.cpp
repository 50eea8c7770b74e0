#include "runtime/platform/Windows.h"
#include "tests/platform/PeerProtocol.h"
#include "tests/platform/PlatformContract.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace velmar::platform {
namespace {

using namespace velmar::test::peer;
using namespace velmar::test::contract;
using Clock = std::chrono::steady_clock;

bool listed(HWND hwnd)
{
    const std::vector<HWND> windows = EnumWindows();
    return std::find(windows.begin(), windows.end(), hwnd) != windows.end();
}

class WindowMessages : public ::testing::Test {
protected:
    velmar::test::ScopedSession session;
};

TEST_F(WindowMessages, SendAnswersWithThePeersReplyAndPostsKeepTheirOrder)
{
    Peer peer({"echo"});
    EXPECT_EQ(SendMessageA(peer.hwnd, kAdd, 40, 2), 42);
    EXPECT_EQ(SendMessageA(peer.hwnd, kAdd, -7, 1LL << 40), (1LL << 40) - 7);

    constexpr int kPosts = 2000;
    for (int i = 0; i < kPosts; ++i)
        ASSERT_TRUE(PostMessageA(peer.hwnd, kSequence, i, 0));
    // A sent message may overtake queued posts; ask until all have been handled.
    LRESULT counted = 0;
    const auto end = Clock::now() + std::chrono::seconds(10);
    while ((counted = SendMessageA(peer.hwnd, kPostsInOrder, 0, 0)) != kPosts && counted >= 0 &&
           Clock::now() < end) {
    }
    EXPECT_EQ(counted, kPosts);
    EXPECT_EQ(SendMessageA(peer.hwnd, kQuit, 0, 0), 1);
    EXPECT_EQ(peer.process.wait(), 0);
}

TEST_F(WindowMessages, GoneWindowGivesZeroAndALostPost)
{
    HWND gone = 0;
    {
        auto window = WindowEndpoint::create([](UINT, WPARAM, LPARAM) -> LRESULT { return 7; });
        gone = window->hwnd();
        EXPECT_EQ(SendMessageA(gone, kAdd, 1, 2), 7);
    }
    const auto start = Clock::now();
    EXPECT_EQ(SendMessageA(gone, kAdd, 1, 2), 0);
    EXPECT_FALSE(PostMessageA(gone, kAdd, 1, 2));
    EXPECT_FALSE(listed(gone));
    EXPECT_LT(elapsedMs(start), 500);
}

TEST_F(WindowMessages, PeerThatExitsMidCallGivesZeroPromptly)
{
    Peer peer({"exit-on-send"});
    const auto start = Clock::now();
    EXPECT_EQ(SendMessageA(peer.hwnd, kAdd, 1, 2), 0);
    EXPECT_LT(elapsedMs(start), 1000);
}

TEST_F(WindowMessages, PeerThatNeverAnswersGivesZeroAfterTheTimeout)
{
    Peer peer({"silent"});
    const auto start = Clock::now();
    EXPECT_EQ(SendMessageA(peer.hwnd, kAdd, 1, 2), 0);
    const int waited = elapsedMs(start);
    EXPECT_GE(waited, kSendTimeoutMs - 50);
    EXPECT_LT(waited, kSendTimeoutMs + 2000);
}

TEST_F(WindowMessages, SendsToEachOtherAtTheSameMomentNeverDeadlock)
{
    constexpr int kRounds = 2000;
    Peer first({"ping-pong", std::to_string(kRounds)});
    Peer second({"ping-pong", std::to_string(kRounds)});
    ASSERT_TRUE(PostMessageA(first.hwnd, kStart, second.hwnd, 0));
    ASSERT_TRUE(PostMessageA(second.hwnd, kStart, first.hwnd, 0));
    EXPECT_EQ(first.process.readLine(60000), "done " + std::to_string(kRounds));
    EXPECT_EQ(second.process.readLine(60000), "done " + std::to_string(kRounds));
}

TEST_F(WindowMessages, ServesSentMessagesWhileWaitingAndHoldsPostsUntilTheWaitEnds)
{
    Peer peer({"echo"});
    bool noticeArrived = false;
    bool noticeBeforeRelayEnded = false;
    std::uint32_t sender = 0;
    auto window = WindowEndpoint::create([&](UINT message, WPARAM, LPARAM) -> LRESULT {
        if (message == kRelayNotice)
            noticeArrived = true;
        if (message == kRelayed) {
            // The peer posted before it sent; the post waits until our own send is answered.
            noticeBeforeRelayEnded = noticeArrived;
            sender = MessageSenderProcessId();
            return 41;
        }
        return 0;
    });
    EXPECT_EQ(SendMessageA(peer.hwnd, kRelay, window->hwnd(), 0), 42);
    EXPECT_FALSE(noticeBeforeRelayEnded);
    EXPECT_EQ(sender, kSenderKnown ? static_cast<std::uint32_t>(peer.process.pid()) : 0U);
    EXPECT_EQ(MessageSenderProcessId(), 0U);
    EXPECT_TRUE(pumpUntil([&] { return noticeArrived; }));
}

TEST_F(WindowMessages, OwnWindowAnswersItsOwnProcessAndIsListedWhileItLives)
{
    Peer peer({"echo"});
    auto window = WindowEndpoint::create(
        [](UINT message, WPARAM w, LPARAM) -> LRESULT { return message == kAdd ? w * 2 : 0; });
    const HWND own = window->hwnd();
    EXPECT_NE(own, 0U);
    EXPECT_EQ(SendMessageA(own, kAdd, 21, 0), 42);
    EXPECT_TRUE(listed(own));
    EXPECT_TRUE(listed(peer.hwnd));
    EXPECT_EQ(GetWindowThreadProcessId(peer.hwnd), static_cast<std::uint32_t>(peer.process.pid()));
    EXPECT_EQ(GetParent(own), 0U);
    EXPECT_EQ(GetParent(peer.hwnd), 0U);

    int posted = 0;
    auto second = WindowEndpoint::create([&](UINT message, WPARAM w, LPARAM) -> LRESULT {
        posted += message == kSequence ? static_cast<int>(w) : 0;
        return 0;
    });
    EXPECT_NE(second->hwnd(), own) << "each window has a handle of its own";
    ASSERT_TRUE(PostMessageA(second->hwnd(), kSequence, 5, 0));
    EXPECT_TRUE(pumpUntil([&] { return posted == 5; }));

    window.reset();
    EXPECT_FALSE(listed(own));
    EXPECT_TRUE(listed(peer.hwnd));
}

} // namespace
} // namespace velmar::platform
