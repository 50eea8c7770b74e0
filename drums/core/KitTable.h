#pragma once

#include "drums/core/DrumInstrument.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace velmar::drums {

// The one fixed percussion kit, notes 27 to 87, indexed by note − 27.
extern const std::array<DrumInstrument, kInstrumentCount> KitTable;

// The row at `index`, 0 to 60.
[[nodiscard]] const DrumInstrument& KitRow(int index);

// The row of a note, or nothing for a note outside the kit.
[[nodiscard]] std::optional<int> InstrumentForNote(int note);

// The row whose state and LitRect a grouped instrument shares; other rows are their own.
[[nodiscard]] int GroupAnchor(int index);

// The row a virtual-key code plays, or nothing.
[[nodiscard]] std::optional<int> InstrumentForKey(int virtualKey);

// The instrument's name (numbered string 3500 + index) and the name of its computer key.
[[nodiscard]] QString InstrumentName(int index);
[[nodiscard]] QString KeyHintText(int index);

// A note as pitch name and octave: note 36 is "C 3", note 61 "Db 5".
[[nodiscard]] QString NoteName(std::uint8_t note);

} // namespace velmar::drums
