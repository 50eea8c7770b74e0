#pragma once

#include "drums/core/DrumCanvas.h"
#include "drums/core/DrumEventIntake.h"
#include "drums/core/HitAnimation.h"
#include "drums/core/HostWindow.h"
#include "drums/core/KettraSettings.h"
#include "drums/core/ScaledKit.h"
#include "runtime/HostLinkBlock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

namespace velmar::drums::test {

// One call the hit animation made on the panel, with the tick it came in.
struct Drawn {
    enum class Op { Region, Picture, Black };
    int Tick = 0;
    Op Kind = Op::Region;
    KitPicture Region = KitPicture::KitImage;               // Op::Region
    SmallPicture Small = SmallPicture::HiHatClosedHitImage; // Op::Picture
    HitColour Colour = HitColour::HostPlayback;             // Op::Picture
    QRect Area;

    friend bool operator==(const Drawn&, const Drawn&) = default;
};

void PrintTo(const Drawn& drawn, std::ostream* out);

// A panel that only records what is drawn on it.
class RecordingCanvas : public DrumCanvas {
public:
    void CopyRegion(KitPicture picture, const QRect& area) override;
    void CopyPicture(SmallPicture picture, HitColour colour, const QRect& area) override;
    void FillBlack(const QRect& area) override;

    int tick = 0;
    std::vector<Drawn> drawn;
};

// The host's window answering the transport queries with set replies, counting them.
class ScriptedHost : public HostWindow {
public:
    platform::LRESULT Send(platform::UINT message, platform::WPARAM wParam,
                           platform::LPARAM lParam) override;

    platform::LRESULT running = 0;
    platform::LRESULT recording = 0;
    int runningQueries = 0;
    int recordingQueries = 0;
};

// A host link block in ordinary memory, written the way the host writes the shared one.
class FakeRing {
public:
    FakeRing() { m_bytes.fill(std::byte{0}); }

    [[nodiscard]] HostLinkBlock block() { return HostLinkBlock(m_bytes.data()); }

    // Writes one event at the write index and advances it by the ring's rule.
    void write(std::uint16_t source, PackedMidiMessage message);
    void setIndices(std::uint16_t read, std::uint16_t write);
    [[nodiscard]] std::uint16_t readIndex() const;

private:
    alignas(8) std::array<std::byte, HostLinkBlock::kSize> m_bytes{};
};

// The drum display's core wired together as the drum window wires it.
struct DrumRig {
    DrumRig();

    // Runs one timer tick numbered `tick`, at 10 ms per tick unless `now` is given.
    void runTick(int tick);
    void runTick(int tick, std::uint32_t now);
    void noteOn(std::uint8_t note, std::uint16_t port = 1, std::uint8_t velocity = 100);

    KettraSettings settings;
    ScaledKit kit;
    RecordingCanvas canvas;
    ScriptedHost host;
    FakeRing ring;
    HitAnimation animation;
    DrumEventIntake intake;
    bool transportChanged = false;
};

// Note-on on the drum channel of the default settings (10).
[[nodiscard]] PackedMidiMessage DrumNoteOn(std::uint8_t note, std::uint8_t velocity = 100);

// The LitRect, at Scale 1.0, of the row of `note`.
[[nodiscard]] QRect LitArea(int note);
[[nodiscard]] QRect CoverArea(int note);

// Expected looks: `note` names the row whose area is drawn (a group's anchor).
[[nodiscard]] Drawn Rest(int tick, int note);
[[nodiscard]] Drawn Lit(int tick, int note, HitColour colour = HitColour::HostPlayback);
[[nodiscard]] Drawn Small(int tick, SmallPicture picture, int note,
                          HitColour colour = HitColour::HostPlayback);
[[nodiscard]] Drawn Reveal(int tick, int note);

} // namespace velmar::drums::test
