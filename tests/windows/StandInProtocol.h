#pragma once

#include <cstdint>

// What the Windows host stand-in and the sign-in test agree on.
namespace velmar::test::standin {

// The class of the platform layer's message windows, by which the stand-in finds the plug-in.
inline constexpr const char* kPlugInWindowClass = "VelmarMessageWindow";

// The mark the stand-in sends once every event is written.
inline constexpr std::uint32_t kMark = 0xC0FFEE42;

// What the stand-in leaves in the block's first bytes, which belong to the host.
inline constexpr unsigned char kHostBytes[6] = {'H', 'O', 'S', 'T', '!', 0};

// Event n of the stand-in: a note-on whose channel, note and velocity count n on, from an
// output port that counts too, so a lost, doubled or reordered event shows.
constexpr std::uint16_t EventSource(unsigned n)
{
    return static_cast<std::uint16_t>(n % 5);
}

constexpr std::uint32_t EventMessage(unsigned n)
{
    return (0x90U | (n % 16U)) | ((n % 128U) << 8U) | (((n / 128U) % 128U) << 16U);
}

} // namespace velmar::test::standin
