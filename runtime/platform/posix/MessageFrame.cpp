#include "runtime/platform/posix/MessageFrame.h"

#include <algorithm>
#include <cerrno>
#include <sys/socket.h>

namespace velmar::platform {

namespace {

template <typename T>
void putLittleEndian(std::byte* out, T value)
{
    auto bits = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out[i] = static_cast<std::byte>(bits & 0xFFU);
        bits >>= 8U;
    }
}

template <typename T>
T getLittleEndian(const std::byte* in)
{
    std::uint64_t bits = 0;
    for (std::size_t i = sizeof(T); i-- > 0;)
        bits = (bits << 8U) | static_cast<std::uint64_t>(in[i]);
    return static_cast<T>(bits);
}

} // namespace

std::array<std::byte, kFrameSize> encodeFrame(const Frame& frame)
{
    std::array<std::byte, kFrameSize> bytes{};
    putLittleEndian(bytes.data(), static_cast<std::uint32_t>(frame.kind));
    putLittleEndian(bytes.data() + 4, frame.message);
    putLittleEndian(bytes.data() + 8, frame.wParam);
    putLittleEndian(bytes.data() + 16, frame.lParam);
    return bytes;
}

std::optional<Frame> decodeFrame(const std::array<std::byte, kFrameSize>& bytes)
{
    const auto kind = getLittleEndian<std::uint32_t>(bytes.data());
    if (kind < 1 || kind > 3)
        return std::nullopt;
    return Frame{static_cast<FrameKind>(kind), getLittleEndian<UINT>(bytes.data() + 4),
                 getLittleEndian<WPARAM>(bytes.data() + 8),
                 getLittleEndian<LPARAM>(bytes.data() + 16)};
}

std::optional<Frame> decodePacket(std::span<const std::byte> packet)
{
    if (packet.size() != kFrameSize)
        return std::nullopt;
    std::array<std::byte, kFrameSize> bytes{};
    std::copy_n(packet.begin(), kFrameSize, bytes.begin());
    return decodeFrame(bytes);
}

ReadResult readFrame(int fd, std::optional<Frame>& frame)
{
    // One byte more than a frame, and MSG_TRUNC for the packet's true length, so a longer
    // packet is told apart from a frame.
    std::array<std::byte, kFrameSize + 1> buffer{};
    ssize_t length = 0;
    do {
        length = ::recv(fd, buffer.data(), buffer.size(), MSG_DONTWAIT | MSG_TRUNC);
    } while (length < 0 && errno == EINTR);
    if (length < 0)
        return errno == EAGAIN ? ReadResult::NothingYet : ReadResult::Closed;
    if (length == 0)
        return ReadResult::Closed;
    // A longer packet was cut to the buffer, which still tells it from a frame.
    frame = decodePacket(
        std::span(buffer).first(std::min(static_cast<std::size_t>(length), buffer.size())));
    return frame ? ReadResult::Frame : ReadResult::Malformed;
}

} // namespace velmar::platform
