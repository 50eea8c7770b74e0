#pragma once

#include "drums/core/DrumCanvas.h"
#include "drums/core/DrumInstrument.h"
#include "drums/core/KettraSettings.h"
#include "drums/core/ScaledKit.h"
#include "runtime/PackedMidiMessage.h"

#include <cstdint>

namespace velmar::drums {

// Whether `message` could light an instrument on some channel and port: a note-on with a
// velocity above 0 for a note of the kit. The channel and port are checked when it is shown.
[[nodiscard]] bool MayLightInstrument(PackedMidiMessage message);

// The looks of the kit's instruments: a note-on lights its instrument, the timer turns it
// dark again, a repeated hit shows a two-tick gap, and grouped instruments switch between
// their pictures. Draws every change on the canvas at once.
class HitAnimation {
public:
    // Reads `settings` at every use, so a changed channel, port or boost applies at once.
    HitAnimation(const KettraSettings& settings, const ScaledKit& kit, DrumCanvas& canvas);

    // A note-on from the host (port: the ring event's source word) or played in the
    // window (port 0). Shown only on the drum channel, from port 0 or the drum port, with a
    // velocity above 0, for notes 27 to 87; anything else is ignored.
    void ShowNoteOn(PackedMidiMessage message, std::uint16_t port);

    // One timer tick: every lit instrument counts down towards its end action, every dark
    // gap counts up towards its relight action.
    void Tick();

    // Hides every instrument outside the standard kit unless all instruments are shown.
    // Runs after every repaint of the panel; an instrument hit since stays visible until
    // the next one.
    void ShowUsedOverlay();

private:
    [[nodiscard]] int litTicks() const;
    void reveal(int index);

    void noteOnSingle(int index, std::uint16_t port);
    void noteOnToggle(int index, std::uint16_t port);
    void noteOnHiHat(int look, std::uint16_t port);
    void noteOnLookPair(DrumKind kind, int look, std::uint16_t port);
    void noteOnOnOff(int anchor, std::uint16_t port);
    void noteOnScratch(int note, std::uint16_t port);
    void noteOnMetronome(int note, std::uint16_t port);

    void endAction(int anchor);
    void relightAction(int anchor);

    void drawRest(int anchor);
    void drawLit(int anchor, HitColour colour);
    void drawSmall(SmallPicture picture, int anchor, HitColour colour);
    void drawHiHat(int look, HitColour colour);
    void drawLookPair(DrumKind kind, int look, HitColour colour);
    [[nodiscard]] HitColour storedColour(int anchor) const;

    const KettraSettings& m_settings;
    const ScaledKit& m_kit;
    DrumCanvas& m_canvas;

    // Per instrument, by note − 27. Grouped instruments keep theirs in the anchor row;
    // HitState also holds the next look of the hi-hat, triangle and guiro in a second row.
    PerInstrument<std::int32_t> m_hitCountdown;
    PerInstrument<std::uint16_t> m_hitSource;
    PerInstrument<std::uint8_t> m_hitState;
    PerInstrument<std::uint8_t> m_usedFlags;
};

} // namespace velmar::drums
