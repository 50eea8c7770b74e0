#pragma once

#include "runtime/GeneralMidiPercussion.h"

#include <QRect>
#include <QString>

#include <array>

namespace velmar::drawing {

// A rectangle as the kit table gives it: left, top, right, bottom, right and bottom exclusive.
struct Edges {
    int left;
    int top;
    int right;
    int bottom;
};

[[nodiscard]] constexpr QRect toRect(Edges e)
{
    return QRect(QPoint(e.left, e.top), QPoint(e.right - 1, e.bottom - 1));
}

// Main keyboard or numeric keypad: the hint pictures print the two kinds differently.
enum class KeyPad { Main, Num };

// One instrument of the kit pictures (row = note - 27), in the pictures' 600 x 400 pixels.
// Instruments that share one drawing (hi-hat, bass drum, ...) name the row that owns it.
struct KitInstrument {
    int anchor;  // row whose lit area is drawn for this instrument
    Edges lit;   // where the lit look lies
    Edges hit;   // where a click plays it
    Edges cover; // everything drawn of it lies here
    QString key; // the computer key that plays it, as the hint pictures print it
    KeyPad pad;
};

inline constexpr int kInstrumentCount = gm::kPercussionSoundCount;

// The rows by instrument (row = note - 27) go by the sounds' names.
using enum gm::PercussionSound;
inline constexpr QSize kKitSize{600, 400};

// The drum display's kit table, as the pictures are drawn to it.
[[nodiscard]] const std::array<KitInstrument, kInstrumentCount>& kitInstruments();

} // namespace velmar::drawing
