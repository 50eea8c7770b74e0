#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmar::drums {

// How a note-on changes an instrument's look. Kinds from HiHat on form groups that share
// one picture area and one set of state, kept in the group's anchor row.
enum class DrumKind : std::uint8_t {
    Single = 1,
    Toggle = 2,
    HiHat = 3,
    Triangle = 4,
    Guiro = 5,
    Whistle = 6,
    Scratch = 7,
    Metronome = 8,
    Kick = 9,
};

// A rectangle of the 600 × 400 kit pictures; Right and Bottom are exclusive.
struct KitRect {
    std::int16_t Left = 0;
    std::int16_t Top = 0;
    std::int16_t Right = 0;
    std::int16_t Bottom = 0;
};

// One row of the kit table; the row index is the note minus 27.
struct DrumInstrument {
    std::uint8_t Note = 0;
    DrumKind Kind = DrumKind::Single;
    bool StandardKit = false; // shown from the start when only used instruments are shown
    std::uint8_t Key = 0;     // virtual-key code that plays it
    // Keypad instruments: the navigation code the same key sends while Shift is held with
    // NumLock on; 0 for the others.
    std::uint8_t NavigationKey = 0;
    std::uint16_t KeyHint = 0; // numbered string naming the computer key
    KitRect LitRect;           // copied to the screen whenever its look changes
    KitRect HitRect;           // a mouse click in here plays it
    KitRect CoverRect;         // blacked out while it is hidden
};

inline constexpr int kInstrumentCount = 61;
inline constexpr int kFirstDrumNote = 27;
inline constexpr int kLastDrumNote = 87;

// One value per instrument, indexed like the kit table by note − 27 (0 to 60).
template <typename T>
class PerInstrument {
public:
    [[nodiscard]] T& operator[](int index) { return m_values[static_cast<std::size_t>(index)]; }
    [[nodiscard]] const T& operator[](int index) const
    {
        return m_values[static_cast<std::size_t>(index)];
    }

private:
    std::array<T, kInstrumentCount> m_values{};
};

} // namespace velmar::drums
