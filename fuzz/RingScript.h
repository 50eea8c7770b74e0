#pragma once

#include <cstdint>

namespace velmar::fuzz {

// The steps of a fuzz_ring input. After one configuration byte the input is a list of
// steps, each an operation byte (taken modulo kRingOpCount) and its operands; numbers are
// little-endian.
enum class RingOp : std::uint8_t {
    // count u8, source u16, message u32: the host's own writer adds `count` events, the
    // message's value growing by one each time.
    HostWrite,
    // source u16, length u16 (modulo 4096), then the bytes: the host's writer adds a SysEx
    // message.
    HostWriteSysEx,
    // which u8 (even: write index, odd: read index), value u16: what another process left.
    SetIndex,
    // slot u16 (modulo 1001), then 6 bytes: a slot as another process left it.
    PokeSlot,
    // position u16 (modulo 64001), length u8, then the bytes, wrapping after 64000.
    PokeSysEx,
    // top row u16, visible rows u8: one pass of the monitor's idle handler.
    MonitorPass,
    // milliseconds u8: the clock moves on and the drum display's timer ticks once.
    DrumTick,
    // milliseconds u16: the monitor's clock moves on without a pass.
    ClockAdvance,
};
inline constexpr std::uint8_t kRingOpCount = 8;

// Bits of the configuration byte.
inline constexpr std::uint8_t kRingConfigDisplayFullMask = 0x03; // modulo 3: the full mode
inline constexpr std::uint8_t kRingConfigDecimal = 0x04;
inline constexpr std::uint8_t kRingConfigSmallGrid = 0x08; // 10 rows instead of 1000
inline constexpr std::uint8_t kRingConfigAllExcept = 0x10;
inline constexpr std::uint8_t kRingConfigDrumDelay = 0x20; // the host asks for 50 ms

} // namespace velmar::fuzz
