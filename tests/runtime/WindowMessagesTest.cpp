#include "runtime/platform/PlatformError.h"
#include "runtime/platform/Windows.h"
#include "runtime/platform/posix/MessageFrame.h"
#include "tests/platform/PeerProtocol.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmar::platform {
namespace {

using namespace velmar::test::peer;
using velmar::test::ChildProcess;
using Clock = std::chrono::steady_clock;

// Starts the peer in a mode and reads the window it announces.
struct Peer {
    explicit Peer(const std::vector<std::string>& arguments)
        : process(VELMAR_MESSAGE_PEER, arguments)
    {
        const std::string line = process.readLine();
        EXPECT_EQ(line.rfind("ready ", 0), 0U) << "peer said: " << line;
        if (line.size() > 6)
            hwnd = static_cast<HWND>(std::stoul(line.substr(6), nullptr, 16));
    }
    ChildProcess process;
    HWND hwnd = 0;
};

// Handles this process's messages until the condition holds or a deadline passes.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (Clock::now() >= end)
            return false;
        pollfd fd{messageNotifierFd(), POLLIN, 0};
        if (::poll(&fd, 1, 10) > 0)
            dispatchMessages();
    }
    return true;
}

std::string windowFileName(HWND hwnd)
{
    char name[16];
    std::snprintf(name, sizeof name, "%08x.win", hwnd);
    return name;
}

class WindowMessages : public ::testing::Test {
protected:
    velmar::test::ScopedSession session;
};

TEST_F(WindowMessages, EnumWindowsListsLiveWindowsOnly)
{
    Peer peer({"echo"});
    auto own = WindowEndpoint::create([](UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    const HWND ownHwnd = own->hwnd();

    // A socket file whose process is gone, and names that are no window.
    const std::filesystem::path dir = session.sessionDir();
    {
        const int stale = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = (dir / "00abcd01.win").string();
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(stale);
    }
    std::filesystem::create_directory(dir / "00abcd02.win");
    for (const char* name : {"0000000g.win", "00000000.win", "1234.win", "00abcd03.win.new"})
        std::ofstream(dir / name) << "x";

    auto windows = EnumWindows();
    std::sort(windows.begin(), windows.end());
    std::vector<HWND> expected{peer.hwnd, ownHwnd};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(windows, expected);
    EXPECT_TRUE(std::filesystem::exists(dir / "00abcd01.win")) << "listing must never delete";

    own.reset();
    EXPECT_EQ(EnumWindows(), std::vector<HWND>{peer.hwnd});
    EXPECT_FALSE(std::filesystem::exists(dir / windowFileName(ownHwnd)))
        << "a closed window removes its file";
}

TEST_F(WindowMessages, MalformedFramesCloseTheConnectionUnanswered)
{
    int handled = 0;
    auto window = WindowEndpoint::create([&](UINT, WPARAM, LPARAM) -> LRESULT {
        ++handled;
        return 5;
    });
    const std::string path = (session.sessionDir() / windowFileName(window->hwnd())).string();

    auto connect = [&] {
        const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        return fd;
    };
    auto closedByPeer = [&](int fd) {
        return pumpUntil([&] {
            char byte = 0;
            return ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0;
        });
    };

    auto valid = encodeFrame({FrameKind::Send, 1, 2, 3});
    auto badKind = valid;
    badKind[0] = std::byte{7};
    auto reply = valid;
    reply[0] = std::byte{3};
    const std::vector<std::vector<std::byte>> malformed{
        {valid.begin(), valid.end() - 1},
        [&] {
            std::vector<std::byte> longer(valid.begin(), valid.end());
            longer.push_back(std::byte{0});
            return longer;
        }(),
        {badKind.begin(), badKind.end()},
        {reply.begin(), reply.end()},
    };
    for (const auto& bytes : malformed) {
        const int fd = connect();
        ASSERT_EQ(::send(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
        EXPECT_TRUE(closedByPeer(fd)) << "frame of " << bytes.size() << " bytes";
        ::close(fd);
    }
    EXPECT_EQ(handled, 0);

    // A well-formed frame still gets its answer.
    const int fd = connect();
    ASSERT_EQ(::send(fd, valid.data(), valid.size(), 0), static_cast<ssize_t>(valid.size()));
    std::optional<Frame> answer;
    EXPECT_TRUE(pumpUntil([&] { return readFrame(fd, answer) == ReadResult::Frame; }));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->kind, FrameKind::Reply);
    EXPECT_EQ(answer->wParam, 5);
    ::close(fd);
}

TEST_F(WindowMessages, OtherUsersAreNeitherAnsweredNorBelieved)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    Peer server({"foreign-server"});
    EXPECT_EQ(SendMessageA(server.hwnd, kAdd, 1, 2), 0) << "a window of another user answers 0";
    EXPECT_FALSE(PostMessageA(server.hwnd, kAdd, 1, 2));

    int handled = 0;
    auto window = WindowEndpoint::create([&](UINT, WPARAM, LPARAM) -> LRESULT {
        ++handled;
        return 1;
    });
    char hwnd[16];
    std::snprintf(hwnd, sizeof hwnd, "%x", window->hwnd());
    Peer client({"foreign-client", hwnd});
    std::string outcome;
    EXPECT_TRUE(pumpUntil([&] { return !(outcome = client.process.readLine(10)).empty(); }, 8000));
    EXPECT_EQ(outcome, "closed");
    EXPECT_EQ(handled, 0);
}

TEST(SessionDirectory, UnsafeDirectoriesAreRefused)
{
    velmar::test::ScopedSession session;
    const std::filesystem::path dir = session.sessionDir();

    std::filesystem::create_directories(dir);
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all |
                                          std::filesystem::perms::group_read |
                                          std::filesystem::perms::group_exec);
    EXPECT_THROW(WindowEndpoint::create([](UINT, WPARAM, LPARAM) -> LRESULT { return 0; }),
                 PlatformError);
    EXPECT_TRUE(EnumWindows().empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir)) << "nothing is created in an unsafe directory";

    std::filesystem::remove(dir);
    std::filesystem::create_directories(session.root() / "elsewhere");
    std::filesystem::create_directory_symlink(session.root() / "elsewhere", dir);
    EXPECT_THROW(WindowEndpoint::create([](UINT, WPARAM, LPARAM) -> LRESULT { return 0; }),
                 PlatformError);

    std::filesystem::remove(dir);
    auto window = WindowEndpoint::create([](UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    const auto mode = std::filesystem::status(dir).permissions();
    EXPECT_EQ(mode, std::filesystem::perms::owner_all);
}

} // namespace
} // namespace velmar::platform
