#pragma once

#include "drums/core/HitAnimation.h"
#include "drums/core/KettraSettings.h"
#include "drums/core/PostingHostWindow.h"
#include "drums/core/ScaledKit.h"
#include "drums/core/TransportPoll.h"
#include "runtime/PackedMidiMessage.h"

#include <QPoint>

#include <cstdint>
#include <random>

namespace velmar::drums {

// CurrentNote when the drum window sounds no note.
inline constexpr std::uint8_t kNoNote = 128;

// The kit played with the mouse and the computer keyboard. One note sounds at a time: the
// next note, or a release, ends it with a note-off. Every note goes to the host to be
// played on the drum port and, while it records, to be recorded; each note-on lights its
// instrument in the live-input colour.
class DrumPlayer {
public:
    // Reads `settings` at every use.
    DrumPlayer(const KettraSettings& settings, const ScaledKit& kit, const TransportPoll& transport,
               PostingHostWindow& host, HitAnimation& animation);

    // Seeds the velocity randomizer.
    void Seed(std::uint32_t seed) { m_random.seed(seed); }

    // The note-on status shown for played notes: set at start-up and whenever the settings
    // dialog closes.
    void SetNoteOnStatus();

    // The high velocity (Shift held) or the low one: drawn from the setting's random span
    // when randomizing, else the setting itself.
    [[nodiscard]] std::uint8_t ChooseVelocity(bool high);

    // Ends the sounding note, then sounds `note` and shows it.
    void Play(std::uint8_t note, std::uint8_t velocity);
    // Ends the sounding note, if any.
    void Release();

    // Mouse, any button, at `point` on the panel: a press on an instrument plays it, a
    // release over an instrument ends the note; elsewhere nothing happens.
    void MouseDown(QPoint point, bool shift);
    void MouseUp(QPoint point);

    // Keys other than the transport's; `virtualKey` a Windows virtual-key code. The keypad's
    // navigation codes always play with the high velocity: the keypad sends them instead
    // of its digits while Shift is held with NumLock on.
    void KeyDown(int virtualKey, bool shift);
    void KeyUp(int virtualKey);

    [[nodiscard]] std::uint8_t CurrentNote() const { return m_currentNote; }

private:
    [[nodiscard]] std::uint8_t status(std::uint8_t kind) const;
    void send(PackedMidiMessage message);

    const KettraSettings& m_settings;
    const ScaledKit& m_kit;
    const TransportPoll& m_transport;
    PostingHostWindow& m_host;
    HitAnimation& m_animation;
    std::mt19937 m_random;
    std::uint8_t m_currentNote = kNoNote;
    std::uint8_t m_noteOnStatus = 0x99;
};

} // namespace velmar::drums
