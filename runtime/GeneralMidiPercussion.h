#pragma once

#include <cstdint>

namespace velmar::gm {

// The General MIDI percussion sounds in key order, numbered from 0: sound s plays on key
// kFirstPercussionKey + s of the drum channel. The drum display's kit table has one row for
// each, in this order.
enum PercussionSound : int {
    HighQ,
    Slap,
    ScratchPush,
    ScratchPull,
    Sticks,
    SquareClick,
    MetronomeClick,
    MetronomeBell,
    AcousticBassDrum,
    BassDrum1,
    SideStick,
    AcousticSnare,
    HandClap,
    ElectricSnare,
    LowFloorTom,
    ClosedHiHat,
    HighFloorTom,
    PedalHiHat,
    LowTom,
    OpenHiHat,
    LowMidTom,
    HiMidTom,
    CrashCymbal1,
    HighTom,
    RideCymbal1,
    ChineseCymbal,
    RideBell,
    Tambourine,
    SplashCymbal,
    Cowbell,
    CrashCymbal2,
    Vibraslap,
    RideCymbal2,
    HighBongo,
    LowBongo,
    MuteHighConga,
    OpenHighConga,
    LowConga,
    HighTimbale,
    LowTimbale,
    HighAgogo,
    LowAgogo,
    Cabasa,
    Maracas,
    ShortWhistle,
    LongWhistle,
    ShortGuiro,
    LongGuiro,
    Claves,
    HighWoodBlock,
    LowWoodBlock,
    MuteCuica,
    OpenCuica,
    MuteTriangle,
    OpenTriangle,
    Shaker,
    JingleBell,
    BellTree,
    Castanets,
    MuteSurdo,
    OpenSurdo,
};

inline constexpr int kPercussionSoundCount = OpenSurdo + 1;
inline constexpr std::uint8_t kFirstPercussionKey = 27;

[[nodiscard]] constexpr std::uint8_t keyOf(PercussionSound sound)
{
    return static_cast<std::uint8_t>(kFirstPercussionKey + sound);
}

} // namespace velmar::gm
