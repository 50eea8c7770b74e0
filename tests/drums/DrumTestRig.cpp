#include "tests/drums/DrumTestRig.h"

#include "drums/core/KitTable.h"
#include "runtime/HostMessages.h"

#include <cstring>

namespace velmar::drums::test {

namespace {

QRect baseArea(const KitRect& rect)
{
    return {QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)};
}

const DrumInstrument& rowOf(int note)
{
    return KitTable.at(static_cast<std::size_t>(note - kFirstDrumNote));
}

const char* nameOf(KitPicture picture)
{
    switch (picture) {
    case KitPicture::KitImage:
        return "KitImage";
    case KitPicture::HitImage:
        return "HitImage";
    case KitPicture::LocalHitImage:
        return "LocalHitImage";
    }
    return "?";
}

const char* nameOf(SmallPicture picture)
{
    switch (picture) {
    case SmallPicture::HiHatClosedHitImage:
        return "HiHatClosedHitImage";
    case SmallPicture::HiHatClosedImage:
        return "HiHatClosedImage";
    case SmallPicture::MuteTriangleHitImage:
        return "MuteTriangleHitImage";
    case SmallPicture::ShortGuiroHitImage:
        return "ShortGuiroHitImage";
    }
    return "?";
}

} // namespace

void PrintTo(const Drawn& drawn, std::ostream* out)
{
    *out << "tick " << drawn.Tick << ": ";
    switch (drawn.Kind) {
    case Drawn::Op::Region:
        *out << nameOf(drawn.Region);
        break;
    case Drawn::Op::Picture:
        *out << nameOf(drawn.Small)
             << (drawn.Colour == HitColour::LiveInput ? " (live)" : " (host)");
        break;
    case Drawn::Op::Black:
        *out << "black";
        break;
    }
    const QRect& a = drawn.Area;
    *out << " at " << a.left() << ',' << a.top() << ',' << a.right() + 1 << ',' << a.bottom() + 1;
}

void RecordingCanvas::CopyRegion(KitPicture picture, const QRect& area)
{
    drawn.push_back({.Tick = tick, .Kind = Drawn::Op::Region, .Region = picture, .Area = area});
}

void RecordingCanvas::CopyPicture(SmallPicture picture, HitColour colour, const QRect& area)
{
    drawn.push_back({.Tick = tick,
                     .Kind = Drawn::Op::Picture,
                     .Small = picture,
                     .Colour = colour,
                     .Area = area});
}

void RecordingCanvas::FillBlack(const QRect& area)
{
    drawn.push_back({.Tick = tick, .Kind = Drawn::Op::Black, .Area = area});
}

platform::LRESULT ScriptedHost::Send(platform::UINT message, platform::WPARAM /*wParam*/,
                                     platform::LPARAM /*lParam*/)
{
    if (message == HostQueryRunning) {
        ++runningQueries;
        return running;
    }
    if (message == HostQueryRecording) {
        ++recordingQueries;
        return recording;
    }
    return 0;
}

void FakeRing::write(std::uint16_t source, PackedMidiMessage message)
{
    std::uint16_t at = 0;
    std::memcpy(&at, m_bytes.data() + HostLinkBlock::kWriteIndexOffset, 2);
    std::byte* slot = m_bytes.data() + HostLinkBlock::kSlotOffset + HostLinkBlock::kSlotSize * at;
    const std::uint32_t value = message.value();
    std::memcpy(slot, &source, 2);
    std::memcpy(slot + 2, &value, 4);
    const std::uint16_t next = HostLinkBlock::NextIndex(at);
    std::memcpy(m_bytes.data() + HostLinkBlock::kWriteIndexOffset, &next, 2);
}

void FakeRing::setIndices(std::uint16_t read, std::uint16_t write)
{
    std::memcpy(m_bytes.data() + HostLinkBlock::kReadIndexOffset, &read, 2);
    std::memcpy(m_bytes.data() + HostLinkBlock::kWriteIndexOffset, &write, 2);
}

std::uint16_t FakeRing::readIndex() const
{
    std::uint16_t index = 0;
    std::memcpy(&index, m_bytes.data() + HostLinkBlock::kReadIndexOffset, 2);
    return index;
}

DrumRig::DrumRig()
    : animation(settings, kit, canvas)
    , intake(ring.block(), animation, host)
{}

void DrumRig::runTick(int tick)
{
    runTick(tick, static_cast<std::uint32_t>(tick) * 10U);
}

void DrumRig::runTick(int tick, std::uint32_t now)
{
    canvas.tick = tick;
    transportChanged = intake.Tick(now);
}

void DrumRig::noteOn(std::uint8_t note, std::uint16_t port, std::uint8_t velocity)
{
    ring.write(port, DrumNoteOn(note, velocity));
}

PackedMidiMessage DrumNoteOn(std::uint8_t note, std::uint8_t velocity)
{
    return PackedMidiMessage::pack(0x99, note, velocity);
}

QRect LitArea(int note)
{
    return baseArea(rowOf(note).LitRect);
}

QRect CoverArea(int note)
{
    return baseArea(rowOf(note).CoverRect);
}

Drawn Rest(int tick, int note)
{
    return {.Tick = tick, .Kind = Drawn::Op::Region, .Area = LitArea(note)};
}

Drawn Lit(int tick, int note, HitColour colour)
{
    return {.Tick = tick,
            .Kind = Drawn::Op::Region,
            .Region =
                colour == HitColour::LiveInput ? KitPicture::LocalHitImage : KitPicture::HitImage,
            .Area = LitArea(note)};
}

Drawn Small(int tick, SmallPicture picture, int note, HitColour colour)
{
    return {.Tick = tick,
            .Kind = Drawn::Op::Picture,
            .Small = picture,
            .Colour = colour,
            .Area = LitArea(note)};
}

Drawn Reveal(int tick, int note)
{
    return {.Tick = tick, .Kind = Drawn::Op::Region, .Area = CoverArea(note)};
}

} // namespace velmar::drums::test
