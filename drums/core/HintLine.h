#pragma once

#include "drums/core/KettraSettings.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace velmar::drums {

// The hint of instrument `index`: its name, then by `hintFlags` its note name, its MIDI
// note number and its computer key, each after " -- ".
[[nodiscard]] QString InstrumentHint(int index, int hintFlags);

// The line under the transport bar: it names the instrument or the transport strip under
// the mouse, or gives the general hint. Each call returns the new text when the line has to
// change, nothing when it already says the right thing.
class HintLine {
public:
    // Reads the hint flags at every use.
    explicit HintLine(const KettraSettings& settings)
        : m_settings(settings)
    {}

    // Over the drum panel, at instrument `index` or at none.
    [[nodiscard]] std::optional<QString> OverInstrument(std::optional<int> index);
    // Over the transport bar `w` pixels wide, at `x`.
    [[nodiscard]] std::optional<QString> OverTransport(int x, int w);
    // Over the hint line itself or the form around the panels.
    [[nodiscard]] std::optional<QString> Elsewhere();

private:
    // What the line shows. Instruments and strips are told apart by their kind, not by
    // their number, so instrument 60 and the bar's leftover edge never pass for each other.
    enum class Shown : std::uint8_t { General, Instrument, Strip };

    [[nodiscard]] std::optional<QString> show(Shown kind, int value);

    const KettraSettings& m_settings;
    Shown m_shown = Shown::General;
    int m_value = -1;
};

} // namespace velmar::drums
