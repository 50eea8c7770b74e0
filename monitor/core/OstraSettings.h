#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace velmar::monitor {

// DisplayFullMode: what a full grid does with the next event.
inline constexpr std::int16_t kDisplayFullStop = 0;
inline constexpr std::int16_t kDisplayFullWrap = 1;
inline constexpr std::int16_t kDisplayFullWrapClearCount = 2;

// FilterMode: a ticked flag lets events through ("Only...") or keeps them out ("All Except...").
inline constexpr std::uint8_t kFilterOnly = 0;
inline constexpr std::uint8_t kFilterAllExcept = 1;

// The largest grid the program keeps (the settings dialog offers 10 to 32000 rows).
inline constexpr std::int16_t kMaxDisplayEventCount = 32000;
// The longest quiet period the settings dialog can show (1000 seconds).
inline constexpr std::int32_t kMaxInactivityStopMs = 1'000'000;
// The widest grid column kept from a file, as wide as a window can be.
inline constexpr std::int32_t kMaxColumnWidth = 32767;

inline constexpr std::size_t kEventTypeCount = 23;
inline constexpr std::size_t kChannelCount = 16;
inline constexpr std::size_t kControllerCount = 128;
inline constexpr std::size_t kGridColumnCount = 8;

// A filter table with every entry ticked.
template <std::size_t Count>
[[nodiscard]] constexpr std::array<std::uint8_t, Count> AllTicked()
{
    std::array<std::uint8_t, Count> flags{};
    flags.fill(1);
    return flags;
}

// The index into EventTypeFilter of a status byte: 0..6 for the channel kinds 8x..Ex,
// 7..22 for the system statuses F0..FF.
[[nodiscard]] constexpr std::size_t EventTypeIndex(std::uint8_t status)
{
    return status >= 0xF0 ? status - 0xF0U + 7U : (status >> 4U) & 7U;
}

// The monitor's options, window placement and display filter: the live settings that the
// intake loop, the formatter and the dialogs read, and, byte for byte, the configuration
// file (228 bytes, little-endian, no header). The initial values are the defaults used
// when there is no file.
struct OstraSettings {
    std::int16_t WindowLeft = 10;
    std::int16_t WindowTop = 10;
    std::int16_t WindowWidth = 598;
    std::int16_t WindowHeight = 453;
    std::int16_t DisplayEventCount = 1000;
    std::int16_t DisplayFullMode = kDisplayFullWrap;
    std::uint8_t FilterMode = kFilterOnly;
    std::uint8_t ShowComputerInput = 1; // events whose source word is 0
    std::uint8_t ShowHostOutput = 1;    // events from one of the host's output ports
    std::array<std::uint8_t, kEventTypeCount> EventTypeFilter = defaultEventTypes();
    std::array<std::uint8_t, kChannelCount> ChannelFilter = AllTicked<kChannelCount>();
    std::array<std::uint8_t, kControllerCount> ControllerFilter = AllTicked<kControllerCount>();
    std::array<std::uint8_t, 2> Unused182 = {}; // carried through the file unchanged
    std::int32_t InactivityStopMs = 10000;
    std::uint8_t AlwaysOnTop = 1;
    std::uint8_t SaveTextToFile = 0;
    std::uint8_t DecimalChannels = 1;
    std::uint8_t DecimalEventTypes = 0;
    std::uint8_t DecimalData = 1;
    std::uint8_t OneBasedPrograms = 0;
    std::uint8_t OneBasedChannels = 1;
    std::uint8_t Unused195 = 0; // carried through the file unchanged
    std::array<std::int32_t, kGridColumnCount> ColumnWidths = {}; // 0: the built-in width

    static constexpr std::size_t kSize = 228;
    using Bytes = std::array<std::byte, kSize>;

    [[nodiscard]] Bytes ToBytes() const;
    // The defaults overlaid with `bytes`: a short input replaces only the bytes it has,
    // a long one is cut at 228. Values come as they are; see BringIntoRange.
    [[nodiscard]] static OstraSettings FromBytes(std::span<const std::byte> bytes);

    friend bool operator==(const OstraSettings&, const OstraSettings&) = default;

private:
    // Everything but the timing clock, which would flood the grid.
    [[nodiscard]] static constexpr std::array<std::uint8_t, kEventTypeCount> defaultEventTypes()
    {
        std::array<std::uint8_t, kEventTypeCount> flags = AllTicked<kEventTypeCount>();
        flags[EventTypeIndex(0xF8)] = 0;
        return flags;
    }
};

// A record from a file of unknown origin made safe to use: every value that the program
// divides by, indexes with or adds to a clock is brought into its range, and flags become
// 0 or 1 as the dialogs show them. A record the program wrote itself comes back unchanged.
[[nodiscard]] OstraSettings BringIntoRange(OstraSettings settings);

} // namespace velmar::monitor
