#pragma once

#include "host/Song.h"

#include <cstdint>
#include <optional>

namespace velmar::host {

struct FloodOptions {
    std::uint32_t rate = 0;    // events per second
    std::uint32_t seconds = 0; // 0: until the transport stops
};

// A numbered stream of short channel messages in place of a song, for load tests: the
// channel, note and velocity of event i cycle at different speeds, so a consumer can tell
// each event apart and see a gap or a reordering.
class FloodSource {
public:
    explicit FloodSource(FloodOptions options)
        : m_options(options)
    {}

    [[nodiscard]] static PackedMidiMessage EventAt(std::uint64_t index)
    {
        return PackedMidiMessage::pack(static_cast<std::uint8_t>(0x90U | (index % 16U)),
                                       static_cast<std::uint8_t>((index / 16U) % 128U),
                                       static_cast<std::uint8_t>(1U + (index / 2048U) % 127U));
    }
    // The period after which EventAt repeats.
    static constexpr std::uint64_t kCycle = 16ULL * 128ULL * 127ULL;

    // Events of the stream due by a song position.
    [[nodiscard]] std::uint64_t DueAt(std::uint32_t positionMs) const
    {
        return static_cast<std::uint64_t>(positionMs) * m_options.rate / 1000U;
    }
    // The song position at which an event is due.
    [[nodiscard]] std::uint32_t DueTime(std::uint64_t index) const
    {
        return m_options.rate == 0 ? 0 : static_cast<std::uint32_t>(index * 1000U / m_options.rate);
    }

    // The transport's song: no events, as long as the flood runs.
    [[nodiscard]] Song TransportSong() const
    {
        Song song;
        song.lengthMs = m_options.seconds == 0 ? UINT32_MAX / 2 : m_options.seconds * 1000U;
        return song;
    }

    [[nodiscard]] const FloodOptions& options() const { return m_options; }

    std::uint64_t next = 0; // the next event to write
    // The first and the latest moment a write found the ring full, until the stream has
    // caught up again.
    struct RingFull {
        std::uint32_t firstMs = 0;
        std::uint32_t latestMs = 0;
    };
    std::optional<RingFull> ringFull;

private:
    FloodOptions m_options;
};

} // namespace velmar::host
