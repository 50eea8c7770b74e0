#include "runtime/platform/Windows.h"

#include "runtime/platform/PlatformError.h"
#include "runtime/platform/posix/MessageFrame.h"
#include "runtime/platform/posix/SessionDirectory.h"
#include "runtime/platform/posix/UniqueFd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <string>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace velmar::platform {

namespace {

// Sent messages that arrive while this process waits for an answer are handled at once,
// nested, up to this depth; deeper ones wait until an answer has come.
constexpr int kMaxNestedSends = 8;
constexpr int kListenBacklog = 64;
// Posts a window has not taken yet wait here, in order, up to the number a window's queue
// holds on the original platform; beyond it a post is lost.
constexpr std::size_t kMostUnsentPosts = 10'000;
constexpr auto kSpinBeforeSleeping = std::chrono::microseconds(100);

using Clock = std::chrono::steady_clock;

std::string windowFileName(HWND hwnd)
{
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "%08x.win", hwnd);
    return name.data();
}

std::optional<HWND> parseWindowFileName(const char* name)
{
    if (std::strlen(name) != 12 || std::strcmp(name + 8, ".win") != 0)
        return std::nullopt;
    HWND hwnd = 0;
    for (int i = 0; i < 8; ++i) {
        const char c = name[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else
            return std::nullopt;
        hwnd = (hwnd << 4U) | digit;
    }
    if (hwnd == 0)
        return std::nullopt;
    return hwnd;
}

std::optional<sockaddr_un> socketAddress(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

std::optional<ucred> peerCredentials(int fd)
{
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return std::nullopt;
    return credentials;
}

bool peerIsSameUser(int fd)
{
    const std::optional<ucred> credentials = peerCredentials(fd);
    return credentials && credentials->uid == ::geteuid();
}

// How a connection to a window is opened when the window's queue of new connections is
// full: a send waits for room like any write, a post gives up at once, and a probe counts a
// window that listens as there even when it cannot take one more connection now.
enum class Connect { Wait, NoWait, Probe };

// Connects to a window's endpoint; an invalid descriptor when the window is gone or is
// not this user's.
UniqueFd connectToWindow(HWND hwnd, Connect mode)
{
    std::optional<sockaddr_un> address;
    try {
        address = socketAddress((sessionDirectory() / windowFileName(hwnd)).string());
    } catch (const PlatformError&) {
        return {};
    }
    if (!address)
        return {};
    const int type = SOCK_SEQPACKET | SOCK_CLOEXEC | (mode == Connect::Wait ? 0 : SOCK_NONBLOCK);
    UniqueFd fd(::socket(AF_UNIX, type, 0));
    if (!fd.valid())
        return {};
    const timeval timeout{kSendTimeoutMs / 1000, 0};
    ::setsockopt(fd.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    int result = 0;
    do {
        result = ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address);
    } while (result != 0 && errno == EINTR);
    if (result != 0 && !(mode == Connect::Probe && errno == EAGAIN))
        return {};
    return fd;
}

bool isSocket(int dirFd, const dirent& entry)
{
    if (entry.d_type != DT_UNKNOWN)
        return entry.d_type == DT_SOCK;
    struct stat info {};
    return ::fstatat(dirFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISSOCK(info.st_mode);
}

int remainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// The process-wide side of messaging: this process's endpoints, the connections other
// processes opened to them, the connections we keep to other windows, and the posted
// messages waiting to be handled. Everything an event loop must watch is gathered in one
// epoll descriptor.
class MessageHub {
public:
    MessageHub()
        : m_epoll(::epoll_create1(EPOLL_CLOEXEC))
        , m_wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    {
        if (!m_epoll.valid() || !m_wake.valid())
            throw PlatformError(describeErrno("Cannot set up window messaging", errno));
        watch(m_wake.get());
    }

    ~MessageHub()
    {
        for (const auto& [hwnd, endpoint] : m_endpoints)
            ::unlink(endpoint.path.c_str());
    }

    MessageHub(const MessageHub&) = delete;
    MessageHub& operator=(const MessageHub&) = delete;

    [[nodiscard]] int notifierFd() const { return m_epoll.get(); }
    [[nodiscard]] std::uint32_t currentSender() const { return m_currentSender; }

    HWND addEndpoint(WindowProc proc)
    {
        const HWND hwnd = unusedHwnd();
        const std::filesystem::path dir = sessionDirectory();
        const std::string path = (dir / windowFileName(hwnd)).string();
        char temporaryName[32];
        std::snprintf(temporaryName, sizeof temporaryName, ".%08x.new", hwnd);
        const std::string temporary = (dir / temporaryName).string();

        const std::optional<sockaddr_un> address = socketAddress(temporary);
        if (!address || !socketAddress(path))
            throw PlatformError("Session directory path too long for a window endpoint: " +
                                dir.string());
        UniqueFd fd(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
        if (!fd.valid())
            throw PlatformError(describeErrno("Cannot create window endpoint", errno));
        // A file under our own name is left over from an earlier process with our pid.
        ::unlink(path.c_str());
        ::unlink(temporary.c_str());
        if (::bind(fd.get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
            ::listen(fd.get(), kListenBacklog) != 0) {
            const int error = errno;
            ::unlink(temporary.c_str());
            throw PlatformError(describeErrno("Cannot open window endpoint " + temporary, error));
        }
        // Renamed into place only once listening, so a listed window always accepts.
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            const int error = errno;
            ::unlink(temporary.c_str());
            throw PlatformError(describeErrno("Cannot publish window endpoint " + path, error));
        }
        watch(fd.get());
        m_listeners[fd.get()] = hwnd;
        m_endpoints.emplace(hwnd, Endpoint{std::move(fd), path, std::move(proc)});
        return hwnd;
    }

    void removeEndpoint(HWND hwnd)
    {
        const auto found = m_endpoints.find(hwnd);
        if (found == m_endpoints.end())
            return;
        ::unlink(found->second.path.c_str());
        m_listeners.erase(found->second.listener.get());
        for (auto it = m_incoming.begin(); it != m_incoming.end();) {
            if (it->second.hwnd == hwnd)
                it = m_incoming.erase(it);
            else
                ++it;
        }
        m_endpoints.erase(found);
    }

    LRESULT send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(kSendTimeoutMs);
        const Frame request{FrameKind::Send, message, wParam, lParam};

        // A connection that an outer wait is using stays with it: its answer must not be
        // taken by a nested send. A nested send to the same window opens its own.
        const bool cached = !m_busy.contains(hwnd);
        UniqueFd temporary;
        int fd = -1;
        if (cached) {
            fd = cachedConnection(hwnd);
            if (fd >= 0 && !writeFrame(fd, request, deadline)) {
                dropConnection(hwnd);
                fd = -1;
            }
            // A kept connection may have died with its window; try once with a fresh one.
            if (fd < 0) {
                fd = cachedConnection(hwnd);
                if (fd >= 0 && !writeFrame(fd, request, deadline)) {
                    dropConnection(hwnd);
                    return 0;
                }
            }
        } else {
            temporary = connectToWindow(hwnd, Connect::Wait);
            fd = temporary.valid() && peerIsSameUser(temporary.get()) ? temporary.get() : -1;
            if (fd >= 0 && !writeFrame(fd, request, deadline))
                fd = -1;
        }
        if (fd < 0)
            return 0;

        if (cached)
            m_busy.insert(hwnd);
        ++m_waitDepth;
        const std::optional<Frame> reply = awaitReply(fd, deadline);
        --m_waitDepth;
        if (cached) {
            m_busy.erase(hwnd);
            // Without an answer the connection may still deliver a late one; never reuse it.
            if (!reply)
                dropConnection(hwnd);
        }
        if (m_waitDepth == 0 && !m_posted.empty())
            signalPosted();
        return reply ? reply->wParam : 0;
    }

    // A post never waits. What the window's connection cannot take now waits in this
    // process, in order, and goes as soon as there is room; a post is lost only when the
    // window is gone or too many posts already wait for it.
    bool post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        const Frame frame{FrameKind::Post, message, wParam, lParam};
        for (int attempt = 0; attempt < 2; ++attempt) {
            const int fd = cachedConnection(hwnd, Connect::NoWait);
            if (fd < 0)
                return false;
            if (const auto waiting = m_unsentPosts.find(fd); waiting != m_unsentPosts.end()) {
                if (waiting->second.size() >= kMostUnsentPosts)
                    return false;
                waiting->second.push_back(frame);
                return true;
            }
            switch (writeFrameNow(fd, frame)) {
            case WriteResult::Written:
                return true;
            case WriteResult::Full:
                m_unsentPosts[fd].push_back(frame);
                watchForRoom(fd, true);
                return true;
            case WriteResult::Failed:
                if (m_busy.contains(hwnd))
                    return false;
                // A kept connection may have died with its window; try once with a fresh one.
                dropConnection(hwnd);
                break;
            }
        }
        return false;
    }

    void dispatch()
    {
        serviceIncoming();
        deliverPosted();
    }

private:
    struct Endpoint {
        UniqueFd listener;
        std::string path;
        WindowProc proc;
    };
    struct Incoming {
        UniqueFd fd;
        HWND hwnd;
        std::uint32_t senderPid;
    };
    struct PostedMessage {
        HWND hwnd;
        std::uint32_t senderPid;
        Frame frame;
    };

    void watch(int fd) const
    {
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.fd = fd;
        if (::epoll_ctl(m_epoll.get(), EPOLL_CTL_ADD, fd, &event) != 0)
            throw PlatformError(describeErrno("Cannot watch a messaging socket", errno));
    }

    HWND unusedHwnd()
    {
        const auto pid = static_cast<std::uint32_t>(::getpid());
        for (std::uint32_t n = 1; n <= 255; ++n) {
            const HWND hwnd = (pid << 8U) | n;
            if (!m_endpoints.contains(hwnd))
                return hwnd;
        }
        throw PlatformError("This process already has 255 window endpoints");
    }

    int cachedConnection(HWND hwnd, Connect mode = Connect::Wait)
    {
        if (const auto found = m_outgoing.find(hwnd); found != m_outgoing.end())
            return found->second.get();
        UniqueFd fd = connectToWindow(hwnd, mode);
        if (!fd.valid() || !peerIsSameUser(fd.get()))
            return -1;
        const int raw = fd.get();
        m_outgoing.emplace(hwnd, std::move(fd));
        return raw;
    }

    void dropConnection(HWND hwnd)
    {
        const auto found = m_outgoing.find(hwnd);
        if (found == m_outgoing.end())
            return;
        if (m_unsentPosts.erase(found->second.get()) > 0)
            watchForRoom(found->second.get(), false);
        m_outgoing.erase(found);
    }

    void watchForRoom(int fd, bool on) const
    {
        epoll_event event{};
        event.events = EPOLLOUT;
        event.data.fd = fd;
        ::epoll_ctl(m_epoll.get(), on ? EPOLL_CTL_ADD : EPOLL_CTL_DEL, fd, &event);
    }

    // Sends the posts that waited for room on `fd`, as many as it takes now.
    void sendUnsentPosts(int fd)
    {
        const auto waiting = m_unsentPosts.find(fd);
        if (waiting == m_unsentPosts.end())
            return;
        std::deque<Frame>& frames = waiting->second;
        while (!frames.empty()) {
            const WriteResult result = writeFrameNow(fd, frames.front());
            if (result == WriteResult::Full)
                return;
            if (result == WriteResult::Failed)
                break; // the window is gone: what waited for it is lost
            frames.pop_front();
        }
        watchForRoom(fd, false);
        m_unsentPosts.erase(waiting);
    }

    enum class WriteResult { Written, Full, Failed };

    static WriteResult writeFrameNow(int fd, const Frame& frame)
    {
        const std::array<std::byte, kFrameSize> bytes = encodeFrame(frame);
        ssize_t sent = 0;
        do {
            sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        } while (sent < 0 && errno == EINTR);
        if (sent == static_cast<ssize_t>(bytes.size()))
            return WriteResult::Written;
        return sent < 0 && errno == EAGAIN ? WriteResult::Full : WriteResult::Failed;
    }

    // Writes one frame, serving our own windows while the peer's queue is full.
    bool writeFrame(int fd, const Frame& frame, Clock::time_point deadline)
    {
        const std::array<std::byte, kFrameSize> bytes = encodeFrame(frame);
        for (;;) {
            const ssize_t sent =
                ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent == static_cast<ssize_t>(bytes.size()))
                return true;
            if (sent >= 0 || (errno != EAGAIN && errno != EINTR))
                return false;
            if (errno == EAGAIN && !waitFor(fd, POLLOUT, deadline))
                return false;
        }
    }

    std::optional<Frame> awaitReply(int fd, Clock::time_point deadline)
    {
        while (waitFor(fd, POLLIN, deadline)) {
            std::optional<Frame> frame;
            const ReadResult result = readFrame(fd, frame);
            if (result == ReadResult::NothingYet)
                continue;
            if (result != ReadResult::Frame || frame->kind != FrameKind::Reply)
                return std::nullopt;
            return frame;
        }
        return std::nullopt;
    }

    // Waits until `fd` is ready for `events` or the deadline passes, handling messages
    // sent to our own windows meanwhile. False on timeout.
    bool waitFor(int fd, short events, Clock::time_point deadline)
    {
        // An answer mostly comes within microseconds. Looking again for a short while
        // before sleeping saves a wake-up, which costs far more on many machines.
        const auto spinUntil = std::min(deadline, Clock::now() + kSpinBeforeSleeping);
        for (;;) {
            const bool spinning = Clock::now() < spinUntil;
            std::array<pollfd, 2> fds{pollfd{fd, events, 0}, pollfd{m_epoll.get(), POLLIN, 0}};
            const nfds_t count = m_sendDepth < kMaxNestedSends ? 2 : 1;
            const int ready = ::poll(fds.data(), count, spinning ? 0 : remainingMs(deadline));
            if (ready < 0 && errno != EINTR)
                return false;
            if (ready > 0 && fds[0].revents != 0)
                return true;
            if (ready > 0 && count == 2 && fds[1].revents != 0)
                serviceIncoming();
            if (!spinning && Clock::now() >= deadline)
                return false;
        }
    }

    void serviceIncoming()
    {
        std::array<epoll_event, 32> events{};
        const int ready = ::epoll_wait(m_epoll.get(), events.data(), events.size(), 0);
        for (int i = 0; i < ready; ++i) {
            const int fd = events[static_cast<std::size_t>(i)].data.fd;
            if (fd == m_wake.get()) {
                std::uint64_t ignored = 0;
                (void)!::read(fd, &ignored, sizeof ignored);
            } else if (const auto listener = m_listeners.find(fd); listener != m_listeners.end()) {
                acceptConnections(fd, listener->second);
            } else if (m_incoming.contains(fd)) {
                serviceConnection(fd);
            } else {
                sendUnsentPosts(fd);
            }
        }
    }

    void acceptConnections(int listener, HWND hwnd)
    {
        for (;;) {
            UniqueFd fd(::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
            if (!fd.valid())
                return;
            // A connection from another user is closed unanswered.
            const std::optional<ucred> peer = peerCredentials(fd.get());
            if (!peer || peer->uid != ::geteuid())
                continue;
            watch(fd.get());
            const int raw = fd.get();
            m_incoming.emplace(
                raw, Incoming{std::move(fd), hwnd, static_cast<std::uint32_t>(peer->pid)});
        }
    }

    // Handles what one connection brings. Handlers may remove endpoints or connections,
    // so the connection is looked up afresh after every frame.
    void serviceConnection(int fd)
    {
        for (;;) {
            const auto found = m_incoming.find(fd);
            if (found == m_incoming.end())
                return;
            const HWND hwnd = found->second.hwnd;
            const std::uint32_t senderPid = found->second.senderPid;
            std::optional<Frame> frame;
            const ReadResult result = readFrame(fd, frame);
            if (result == ReadResult::NothingYet)
                return;
            if (result != ReadResult::Frame || frame->kind == FrameKind::Reply) {
                m_incoming.erase(found); // closed, broken or not speaking the protocol
                return;
            }
            if (frame->kind == FrameKind::Post) {
                m_posted.push_back({hwnd, senderPid, *frame});
                signalPosted();
                continue;
            }
            const LRESULT answer = handle(hwnd, senderPid, *frame);
            if (m_incoming.contains(fd)) {
                const std::array<std::byte, kFrameSize> bytes =
                    encodeFrame({FrameKind::Reply, frame->message, answer, 0});
                if (::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT) !=
                    static_cast<ssize_t>(bytes.size()))
                    m_incoming.erase(fd);
            }
        }
    }

    LRESULT handle(HWND hwnd, std::uint32_t senderPid, const Frame& frame)
    {
        const auto endpoint = m_endpoints.find(hwnd);
        if (endpoint == m_endpoints.end())
            return 0;
        // A copy: the handler may destroy its own window.
        const WindowProc proc = endpoint->second.proc;
        ++m_sendDepth;
        const std::uint32_t outerSender = std::exchange(m_currentSender, senderPid);
        const LRESULT result = proc(frame.message, frame.wParam, frame.lParam);
        m_currentSender = outerSender;
        --m_sendDepth;
        return result;
    }

    // Posted messages wait while we wait for an answer, then run in the order they came.
    void deliverPosted()
    {
        while (m_waitDepth == 0 && !m_posted.empty()) {
            const PostedMessage posted = m_posted.front();
            m_posted.pop_front();
            handle(posted.hwnd, posted.senderPid, posted.frame);
        }
    }

    void signalPosted() const
    {
        const std::uint64_t one = 1;
        (void)!::write(m_wake.get(), &one, sizeof one);
    }

    UniqueFd m_epoll;
    UniqueFd m_wake;
    std::map<HWND, Endpoint> m_endpoints;
    std::map<int, HWND> m_listeners;
    std::map<int, Incoming> m_incoming;
    std::map<HWND, UniqueFd> m_outgoing;
    // Posts waiting for room, by the descriptor of their window's connection.
    std::map<int, std::deque<Frame>> m_unsentPosts;
    std::set<HWND> m_busy;
    std::deque<PostedMessage> m_posted;
    int m_waitDepth = 0;
    int m_sendDepth = 0;
    std::uint32_t m_currentSender = 0;
};

MessageHub& hub()
{
    static MessageHub instance;
    return instance;
}

} // namespace

std::unique_ptr<WindowEndpoint> WindowEndpoint::create(WindowProc proc)
{
    return std::unique_ptr<WindowEndpoint>(new WindowEndpoint(hub().addEndpoint(std::move(proc))));
}

WindowEndpoint::~WindowEndpoint()
{
    hub().removeEndpoint(m_hwnd);
}

std::vector<HWND> EnumWindows()
{
    std::vector<HWND> windows;
    std::filesystem::path dir;
    try {
        dir = sessionDirectory();
    } catch (const PlatformError&) {
        return windows;
    }
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr)
        return windows;
    while (const dirent* entry = ::readdir(listing)) {
        const std::optional<HWND> hwnd = parseWindowFileName(entry->d_name);
        // An endpoint is a socket published under its name only once it listens; a link
        // under a window's name would reach some other window's socket. A window that refuses
        // connections belongs to a process that is gone.
        if (hwnd && isSocket(::dirfd(listing), *entry) &&
            connectToWindow(*hwnd, Connect::Probe).valid())
            windows.push_back(*hwnd);
    }
    ::closedir(listing);
    return windows;
}

std::uint32_t GetWindowThreadProcessId(HWND hwnd)
{
    return hwnd >> 8U;
}

HWND GetParent(HWND /*hwnd*/)
{
    return 0;
}

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return hub().send(hwnd, message, wParam, lParam);
}

bool PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return hub().post(hwnd, message, wParam, lParam);
}

int messageNotifierFd()
{
    return hub().notifierFd();
}

bool waitForMessages(int timeoutMs)
{
    pollfd fd{hub().notifierFd(), POLLIN, 0};
    return ::poll(&fd, 1, timeoutMs) > 0;
}

void dispatchMessages()
{
    hub().dispatch();
}

std::uint32_t MessageSenderProcessId()
{
    return hub().currentSender();
}

} // namespace velmar::platform
