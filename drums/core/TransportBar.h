#pragma once

#include "drums/core/HitAnimation.h"
#include "drums/core/KettraSettings.h"
#include "drums/core/PostingHostWindow.h"
#include "drums/core/TransportPoll.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace velmar::drums {

// The five pictures of the transport bar: each shows one button down.
enum class TransportLook : std::uint8_t { Settings, Rewind, Stop, Play, Record };

// Which window-size button a transport picture shows chosen, by WindowSize: 0 or less
// none, 1 full, 2 half, 3 or more quarter size.
enum class SizeHighlight : std::uint8_t { None, Full, Half, Quarter };
[[nodiscard]] SizeHighlight SizeHighlightOf(int windowSize);

// The eight strips of the bar, left to right.
enum class TransportStrip : std::uint8_t {
    FullSize,
    HalfSize,
    QuarterSize,
    Settings,
    Record,
    Play,
    Rewind,
    Stop,
};

// The strip a mouse press at `x` hits on a bar `w` pixels wide: each takes w div 8 pixels,
// its left edge belonging to the strip before it.
[[nodiscard]] TransportStrip StripAt(int x, int w);

// The hint for the mouse at `x`: numbered string 3780 "Stop (Space key)" over the last
// w div 8 pixels, 3779 over the w div 8 before, and so on to 3773 "Full-size Window";
// further left, on what w mod 8 leaves over, 3772 "Press F1 for Help".
[[nodiscard]] std::uint16_t StripHint(int x, int w);

// The transport bar on the screen.
class TransportView {
public:
    virtual ~TransportView() = default;
    // Shows `look` with the highlight of the current window size.
    virtual void ShowLook(TransportLook look) = 0;
};

// The transport bar's buttons and keys: they drive the host's sequencer by posted
// commands, hold its state at once without waiting for the next poll, switch the window
// size and call for the settings dialog.
class TransportBar {
public:
    TransportBar(KettraSettings& settings, TransportPoll& transport, PostingHostWindow& host,
                 HitAnimation& animation, TransportView& view);

    void Stop();
    void Rewind();
    // Only while stopped; otherwise nothing.
    void Play();
    void Record();

    // The look of the held state: Play while playing, Record while recording, else Stop.
    [[nodiscard]] TransportLook StateLook() const;
    // Shows the look of the held state (TransportPaint).
    void TransportPaint();

    // Mouse down at `x` on the bar `w` pixels wide. Returns the client width to set when a
    // window-size strip was pressed; the settings hold the new WindowSize already.
    [[nodiscard]] std::optional<int> MouseDown(int x, int w);

    // Mouse up: the held state shows again; then, when Settings was pressed,
    // `showSettings` runs; last, the used-instruments overlay.
    void MouseUp(const std::function<void()>& showSettings);

    // Return, Space and Tab belong to the transport and never play drums: true for them,
    // whether or not TransportKeys lets them act now; false for every other key.
    bool KeyDown(int virtualKey, bool ctrl);
    // True for Return, whose release shows the Stop look; every other key is released to
    // the drums.
    bool KeyUp(int virtualKey, bool ctrl);

private:
    [[nodiscard]] bool keysAllowed(bool ctrl) const;
    void post(platform::UINT message);

    KettraSettings& m_settings;
    TransportPoll& m_transport;
    PostingHostWindow& m_host;
    HitAnimation& m_animation;
    TransportView& m_view;
    bool m_settingsPending = false;
};

} // namespace velmar::drums
