// Any packets on a window connection. Each packet alone must decode to a frame exactly
// when it is 24 bytes of a known kind (and encode back to the same bytes); read from a
// real socket it must be told apart the same way; and sent to a real window endpoint,
// the window must see the sent and posted frames before the first packet that is no
// frame, each send answered with one reply, after which the connection is closed.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/ScratchDirectory.h"
#include "runtime/platform/Windows.h"
#include "runtime/platform/posix/MessageFrame.h"
#include "runtime/platform/posix/SessionDirectory.h"
#include "runtime/platform/posix/UniqueFd.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <vector>

namespace velmar::fuzz {

namespace {

using platform::Frame;
using platform::FrameKind;
using platform::kFrameSize;
using platform::ReadResult;
using platform::UniqueFd;

constexpr std::size_t kMostPackets = 64;
// Packets run up to 39 bytes: shorter than a frame, a frame, and longer than the
// receiver's buffer of 25.
constexpr std::size_t kLongestPacket = 39;

using Packet = std::vector<std::byte>;

bool sameFrame(const Frame& a, const Frame& b)
{
    return a.kind == b.kind && a.message == b.message && a.wParam == b.wParam &&
           a.lParam == b.lParam;
}

void checkDecoding(const Packet& packet)
{
    const std::optional<Frame> frame = platform::decodePacket(packet);
    bool knownKind = false;
    if (packet.size() == kFrameSize) {
        const auto kind = std::to_integer<unsigned>(packet[0]);
        const bool highBytesZero =
            packet[1] == std::byte{0} && packet[2] == std::byte{0} && packet[3] == std::byte{0};
        knownKind = highBytesZero && kind >= 1 && kind <= 3;
    }
    Require(frame.has_value() == knownKind, "a packet decoded against the frame rules");
    if (frame) {
        const std::array<std::byte, kFrameSize> again = platform::encodeFrame(*frame);
        Require(std::equal(again.begin(), again.end(), packet.begin()),
                "a frame does not encode back to its bytes");
    }
}

void checkReading(const Packet& packet)
{
    std::array<int, 2> fds{};
    Require(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds.data()) == 0,
            "no socket pair");
    const UniqueFd sender(fds[0]);
    const UniqueFd receiver(fds[1]);
    Require(::send(sender.get(), packet.data(), packet.size(), MSG_NOSIGNAL) ==
                static_cast<ssize_t>(packet.size()),
            "a packet could not be sent");

    std::optional<Frame> frame;
    const ReadResult result = platform::readFrame(receiver.get(), frame);
    const std::optional<Frame> expected = platform::decodePacket(packet);
    if (packet.empty())
        Require(result == ReadResult::Closed, "an empty packet did not read as closed");
    else if (expected)
        Require(result == ReadResult::Frame && sameFrame(*frame, *expected),
                "a frame read from a socket differs from its bytes");
    else
        Require(result == ReadResult::Malformed, "a packet that is no frame was not refused");
    Require(platform::readFrame(receiver.get(), frame) == ReadResult::NothingYet,
            "one packet read as more than one");
}

// The window every connection goes to, and what it was asked.
struct Window {
    Window()
    {
        ::setenv("XDG_RUNTIME_DIR", ScratchDirectory().c_str(), 1);
        endpoint = platform::WindowEndpoint::create(
            [this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
                handled.push_back({FrameKind::Send, message, wParam, lParam});
                return answer(message, wParam, lParam);
            });
    }

    static platform::LRESULT answer(platform::UINT message, platform::WPARAM wParam,
                                    platform::LPARAM lParam)
    {
        return static_cast<platform::LRESULT>(std::uint64_t{message} ^
                                              static_cast<std::uint64_t>(wParam) ^
                                              (static_cast<std::uint64_t>(lParam) << 1U));
    }

    [[nodiscard]] UniqueFd connect() const
    {
        std::array<char, 16> name{};
        std::snprintf(name.data(), name.size(), "%08x.win", endpoint->hwnd());
        const std::string path = (platform::sessionDirectory() / name.data()).string();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        Require(path.size() < sizeof address.sun_path, "session path too long");
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        UniqueFd fd(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0));
        Require(fd.valid() && ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address),
                                        sizeof address) == 0,
                "cannot connect to the window");
        return fd;
    }

    std::unique_ptr<platform::WindowEndpoint> endpoint;
    std::vector<Frame> handled;
};

// Handles what waits for the window until nothing does.
void dispatchAll()
{
    pollfd ready{platform::messageNotifierFd(), POLLIN, 0};
    for (int round = 0; round < 16 && ::poll(&ready, 1, 0) > 0; ++round)
        platform::dispatchMessages();
}

void checkWindow(const std::vector<Packet>& packets)
{
    static Window window;
    window.handled.clear();

    UniqueFd client = window.connect();
    std::vector<Frame> sends;
    std::vector<Frame> posts;
    bool ended = false;
    bool unread = false; // packets after the one that ends the connection
    for (const Packet& packet : packets) {
        Require(::send(client.get(), packet.data(), packet.size(), MSG_NOSIGNAL) ==
                    static_cast<ssize_t>(packet.size()),
                "a packet could not be sent to the window");
        if (ended) {
            unread = true;
            continue;
        }
        const std::optional<Frame> frame = platform::decodePacket(packet);
        if (!frame || frame->kind == FrameKind::Reply)
            ended = true; // an empty packet reads as a closed connection
        else
            (frame->kind == FrameKind::Send ? sends : posts).push_back(*frame);
    }
    dispatchAll();

    // Sent messages are handled at once, posted ones after them, each in its order.
    Require(window.handled.size() == sends.size() + posts.size(),
            "the window was not asked exactly the frames before the first bad packet");
    for (std::size_t i = 0; i < window.handled.size(); ++i) {
        const Frame& want = i < sends.size() ? sends[i] : posts[i - sends.size()];
        const Frame& got = window.handled[i];
        Require(got.message == want.message && got.wParam == want.wParam &&
                    got.lParam == want.lParam,
                "the window was asked something else than was sent");
    }
    // A window that closes a connection with packets still unread resets it: the reset
    // may come before the replies that wait.
    std::vector<Frame> replies;
    ReadResult last = ReadResult::NothingYet;
    bool resetSeen = false;
    for (std::size_t read = 0; read < sends.size() + 2; ++read) {
        std::optional<Frame> reply;
        last = platform::readFrame(client.get(), reply);
        if (last == ReadResult::Frame) {
            replies.push_back(*reply);
            continue;
        }
        if (last == ReadResult::Closed && unread && !resetSeen && replies.empty()) {
            resetSeen = true;
            continue;
        }
        break;
    }
    Require(replies.size() == sends.size(), "not every sent message was answered once");
    for (std::size_t i = 0; i < replies.size(); ++i)
        Require(replies[i].kind == FrameKind::Reply && replies[i].message == sends[i].message &&
                    replies[i].lParam == 0 &&
                    replies[i].wParam ==
                        Window::answer(sends[i].message, sends[i].wParam, sends[i].lParam),
                "a sent message was not answered with its reply");
    Require(last == (ended ? ReadResult::Closed : ReadResult::NothingYet),
            ended ? "a connection that broke the protocol was kept"
                  : "the window answered more than it was sent");
    client.reset();
    dispatchAll(); // the window lets the closed connection go
}

} // namespace

} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    FuzzInput input({data, size});
    std::vector<Packet> packets;
    while (!input.empty() && packets.size() < kMostPackets) {
        const auto bytes = std::as_bytes(input.bytes(input.u8() % (kLongestPacket + 1)));
        packets.emplace_back(bytes.begin(), bytes.end());
    }
    for (const Packet& packet : packets) {
        checkDecoding(packet);
        checkReading(packet);
    }
    checkWindow(packets);
    return 0;
}
