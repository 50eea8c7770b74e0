#include "tests/platform/ForeignPeer.h"

#include "runtime/platform/posix/MessageFrame.h"
#include "runtime/platform/posix/SessionDirectory.h"
#include "tests/platform/PeerProtocol.h"

#include <cstdio>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/fsuid.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmar::test::peer {

using namespace velmar::platform;

namespace {

void announce(HWND hwnd)
{
    std::printf("ready %x\n", hwnd);
    std::fflush(stdout);
}

// Acts as a process of another user: effective uid "nobody", file access still as root,
// so it can reach the private session directory.
bool becomeOtherUser()
{
    if (::setresuid(0, 65534, 0) != 0)
        return false;
    ::setfsuid(0);
    return true;
}

} // namespace

int foreignServer()
{
    // The listening credentials are taken at listen(), after the switch.
    int listener = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
    const HWND hwnd = (static_cast<HWND>(::getpid()) << 8U) | 1U;
    char name[32];
    std::snprintf(name, sizeof name, "/%08x.win", hwnd);
    const std::string path = sessionDirectory().string() + name;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        !becomeOtherUser() || ::listen(listener, 4) != 0)
        return 3;
    announce(hwnd);
    for (;;) {
        const int connection = ::accept(listener, nullptr, nullptr);
        if (connection < 0)
            return 4;
        std::optional<Frame> frame;
        pollfd fd{connection, POLLIN, 0};
        while (::poll(&fd, 1, 10000) > 0 && readFrame(connection, frame) == ReadResult::Frame) {
            const auto reply = encodeFrame({FrameKind::Reply, frame->message, 77, 0});
            ::send(connection, reply.data(), reply.size(), MSG_NOSIGNAL);
        }
        ::close(connection);
    }
}

int foreignClient(HWND target)
{
    char name[32];
    std::snprintf(name, sizeof name, "/%08x.win", target);
    const std::string path = sessionDirectory().string() + name;
    if (!becomeOtherUser())
        return 3;
    announce(0);
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return 4;
    const auto request = encodeFrame({FrameKind::Send, kAdd, 1, 2});
    ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    std::optional<Frame> frame;
    pollfd poller{fd, POLLIN, 0};
    const bool answered = ::poll(&poller, 1, 3000) > 0 && readFrame(fd, frame) == ReadResult::Frame;
    std::printf("%s\n", answered ? "answered" : "closed");
    std::fflush(stdout);
    return 0;
}

} // namespace velmar::test::peer
