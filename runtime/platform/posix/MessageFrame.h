#pragma once

#include "runtime/platform/Windows.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace velmar::platform {

// One message on a window connection: 24 bytes, little-endian, kind, message number,
// wParam and lParam. An answer carries its result in wParam.
enum class FrameKind : std::uint32_t { Send = 1, Post = 2, Reply = 3 };

struct Frame {
    FrameKind kind;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

constexpr std::size_t kFrameSize = 24;

[[nodiscard]] std::array<std::byte, kFrameSize> encodeFrame(const Frame& frame);

// Nothing for bytes that are no frame: a wrong kind.
[[nodiscard]] std::optional<Frame> decodeFrame(const std::array<std::byte, kFrameSize>& bytes);

// One received packet as a frame: nothing for a packet of any other size or an unknown kind.
[[nodiscard]] std::optional<Frame> decodePacket(std::span<const std::byte> packet);

enum class ReadResult { Frame, NothingYet, Closed, Malformed };

// Reads one frame from a connected socket without blocking. A packet of any other size
// counts as malformed; so does an unknown kind.
[[nodiscard]] ReadResult readFrame(int fd, std::optional<Frame>& frame);

} // namespace velmar::platform
