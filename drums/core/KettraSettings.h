#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace velmar::drums {

// Bits of HintFlags: what the hint line adds to an instrument's name.
inline constexpr std::int16_t kHintNoteName = 1;
inline constexpr std::int16_t kHintNoteNumber = 2;
inline constexpr std::int16_t kHintComputerKey = 4;

// TransportKeys: the Return, Space and Tab keys work the transport always, only with
// Ctrl, or never.
inline constexpr std::int16_t kTransportKeysOn = 0;
inline constexpr std::int16_t kTransportKeysCtrl = 1;
inline constexpr std::int16_t kTransportKeysOff = 2;

// The range of a setting that the program relies on, and of its spin edit in the dialog.
struct SettingLimits {
    int Min = 0;
    int Max = 0;
    // A value outside the range becomes its nearest end.
    [[nodiscard]] constexpr int Bring(int value) const { return std::clamp(value, Min, Max); }
};

inline constexpr SettingLimits kVelocityLimits{1, 127};
inline constexpr SettingLimits kRandomRangeLimits{0, 100};
inline constexpr SettingLimits kDurationBoostLimits{0, 10};
inline constexpr SettingLimits kChannelLimits{1, 16};
inline constexpr SettingLimits kPortLimits{1, 16};

// The drum display's options and window placement: the live settings and, byte for byte,
// its configuration file (40 bytes, little-endian, no header). The initial values are the
// defaults used when there is no file.
struct KettraSettings {
    std::uint8_t LoVelocity = 90;  // without Shift, 1..127
    std::uint8_t HiVelocity = 127; // with Shift, 1..127
    std::uint8_t RandomizeVelocity = 0;
    std::uint8_t ReservedAlignment = 0;
    std::int16_t RandomRange = 20; // percent, 0..100
    // Derived from the range and the velocities so that playing needs no arithmetic.
    std::int16_t HiRandomSpan = 25;
    std::int16_t HiRandomBase = 102;
    std::int16_t LoRandomSpan = 18;
    std::int16_t LoRandomBase = 72;
    std::int16_t HintFlags = kHintNoteName;
    std::int16_t Reserved = 3570; // carried through the file unchanged
    std::uint8_t ShowAllInstruments = 1;
    std::uint8_t AlwaysOnTop = 1;
    std::int16_t WindowSize = 1; // 0 free, 1 full, 2 half, 3 quarter size
    std::int16_t ClientWidth = 600;
    std::int16_t ClientHeight = 432;
    std::int16_t WindowLeft = 8;
    std::int16_t WindowTop = 8;
    std::int16_t TransportKeys = kTransportKeysCtrl;
    std::int16_t QwertyOnDrums = 0;
    std::int16_t DurationBoost = 1; // extra ticks a hit stays lit, 0..10
    std::int16_t DrumChannel = 10;  // 1..16
    std::int16_t DrumPort = 1;      // host output port, 1..16

    static constexpr std::size_t kSize = 40;
    using Bytes = std::array<std::byte, kSize>;

    [[nodiscard]] Bytes ToBytes() const;
    // The defaults overlaid with `bytes`: a short input replaces only the bytes it has,
    // a long one is cut at 40. Values come as they are; see BringIntoRange.
    [[nodiscard]] static KettraSettings FromBytes(std::span<const std::byte> bytes);

    friend bool operator==(const KettraSettings&, const KettraSettings&) = default;
};

// The lowest velocity and the count of velocities that randomizing draws from.
struct RandomSpan {
    std::int16_t Span = 0;
    std::int16_t Base = 0;
};

// span = range × velocity div 100, base = velocity − span; a base below 1 becomes 1 and
// gives up one value of the span. For range 0..100 and velocity 1..127.
[[nodiscard]] RandomSpan DeriveRandomSpan(int range, int velocity);

// Sets the four derived random values from RandomRange and the two velocities.
void DeriveRandomSpans(KettraSettings& settings);

// A record from a file of unknown origin made safe to use: every value the program
// relies on is brought into its range and the derived values are derived afresh.
[[nodiscard]] KettraSettings BringIntoRange(KettraSettings settings);

} // namespace velmar::drums
