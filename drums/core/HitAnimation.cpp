#include "drums/core/HitAnimation.h"

#include "drums/core/KitTable.h"

#include <algorithm>

namespace velmar::drums {

namespace {

constexpr std::int32_t kGapTicks = -2;

// Rows holding a group's shown look and, for the hi-hat, triangle and guiro, its next one.
constexpr int kHiHatRow = 15;
constexpr int kHiHatNextRow = 17;
constexpr int kScratchRow = 2;
constexpr int kMetronomeRow = 6;

// Look codes. Those of the hi-hat, triangle and guiro are the rows of the notes that
// show them, so a note's row is its look code.
constexpr std::uint8_t kAtRest = 0;
constexpr std::uint8_t kLit = 1; // Toggle, Whistle, Kick
constexpr std::uint8_t kHiHatClosedLit = 15;
constexpr std::uint8_t kHiHatClosedAtRest = 17;
constexpr std::uint8_t kHiHatOpenLit = 19;
constexpr std::uint8_t kScratchLit = 2;
constexpr std::uint8_t kScratchDark = 3;
constexpr std::uint8_t kMetronomeLit = 6;
constexpr std::uint8_t kMetronomeDark = 7;
constexpr int kScratchPush = 29;
constexpr int kMetronomeClick = 33;

// A group with two lit looks: the first a small picture of its own, the second the
// group's area of the lit kit picture.
struct LookPair {
    int Row;
    int NextRow;
    std::uint8_t SmallLook;
    SmallPicture Small;
};
constexpr LookPair kTriangle{53, 54, 53, SmallPicture::MuteTriangleHitImage};
constexpr LookPair kGuiro{46, 47, 46, SmallPicture::ShortGuiroHitImage};

const LookPair& lookPairOf(DrumKind kind)
{
    return kind == DrumKind::Triangle ? kTriangle : kGuiro;
}

// The scratch turntable's cover reaches into this patch of a shown instrument.
constexpr KitRect kPatchUnderScratchCover{326, 73, 343, 95};

HitColour colourOf(std::uint16_t port)
{
    return port == 0 ? HitColour::LiveInput : HitColour::HostPlayback;
}

} // namespace

bool MayLightInstrument(PackedMidiMessage message)
{
    return (message.status() & 0xF0U) == 0x90U && message.data2() > 0 &&
           InstrumentForNote(message.data1()).has_value();
}

HitAnimation::HitAnimation(const KettraSettings& settings, const ScaledKit& kit, DrumCanvas& canvas)
    : m_settings(settings)
    , m_kit(kit)
    , m_canvas(canvas)
{
    for (int index = 0; index < kInstrumentCount; ++index)
        m_usedFlags[index] = KitRow(index).StandardKit ? 1 : 0;
}

void HitAnimation::ShowNoteOn(PackedMidiMessage message, std::uint16_t port)
{
    const int drumStatus = 0x90 + m_settings.DrumChannel - 1;
    const bool fromDrumPort = port == 0 || port == m_settings.DrumPort;
    if (!MayLightInstrument(message) || message.status() != drumStatus || !fromDrumPort)
        return;

    const int note = message.data1();
    const int index = note - kFirstDrumNote;
    reveal(index);
    const DrumKind kind = KitRow(index).Kind;
    switch (kind) {
    case DrumKind::Single:
        noteOnSingle(index, port);
        break;
    case DrumKind::Toggle:
        noteOnToggle(index, port);
        break;
    case DrumKind::HiHat:
        noteOnHiHat(index, port);
        break;
    case DrumKind::Triangle:
    case DrumKind::Guiro:
        noteOnLookPair(kind, index, port);
        break;
    case DrumKind::Whistle:
    case DrumKind::Kick:
        noteOnOnOff(GroupAnchor(index), port);
        break;
    case DrumKind::Scratch:
        noteOnScratch(note, port);
        break;
    case DrumKind::Metronome:
        noteOnMetronome(note, port);
        break;
    }
}

void HitAnimation::Tick()
{
    for (int index = 0; index < kInstrumentCount; ++index) {
        std::int32_t& countdown = m_hitCountdown[index];
        if (countdown > 0) {
            if (--countdown == 0)
                endAction(index);
        } else if (countdown < 0) {
            if (++countdown == 0)
                relightAction(index);
        }
    }
}

void HitAnimation::ShowUsedOverlay()
{
    if (m_settings.ShowAllInstruments == 1)
        return;
    for (int index = 0; index < kInstrumentCount; ++index) {
        m_usedFlags[index] = KitRow(index).StandardKit ? 1 : 0;
        if (m_usedFlags[index] == 0)
            m_canvas.FillBlack(m_kit.CoverRect(index));
    }
    m_canvas.CopyRegion(KitPicture::KitImage, m_kit.Scaled(kPatchUnderScratchCover));
}

int HitAnimation::litTicks() const
{
    return std::max<int>(m_settings.DurationBoost, 0) + 3;
}

void HitAnimation::reveal(int index)
{
    if (m_settings.ShowAllInstruments != 0 || m_usedFlags[index] != 0)
        return;
    m_usedFlags[index] = 1;
    m_canvas.CopyRegion(KitPicture::KitImage, m_kit.CoverRect(index));
}

void HitAnimation::noteOnSingle(int index, std::uint16_t port)
{
    std::int32_t& countdown = m_hitCountdown[index];
    if (countdown == 0) {
        drawLit(index, colourOf(port));
        countdown = litTicks();
        m_hitSource[index] = port;
    } else if (countdown > 0) {
        // A hit while lit goes dark for the gap and lights again, so repeats stay visible.
        drawRest(index);
        countdown = kGapTicks;
        m_hitSource[index] = port;
    } else {
        drawLit(index, storedColour(index));
        countdown = litTicks();
    }
}

void HitAnimation::noteOnToggle(int index, std::uint16_t port)
{
    std::uint8_t& state = m_hitState[index];
    if (state != kAtRest) {
        state = kAtRest;
        drawRest(index);
    } else {
        state = kLit;
        drawLit(index, colourOf(port));
    }
}

void HitAnimation::noteOnHiHat(int look, std::uint16_t port)
{
    std::uint8_t& shown = m_hitState[kHiHatRow];
    std::uint8_t& next = m_hitState[kHiHatNextRow];
    std::int32_t& countdown = m_hitCountdown[kHiHatRow];
    const auto show = [&](std::uint8_t nowShown, std::uint8_t thenShown, std::int32_t ticks) {
        shown = nowShown;
        next = thenShown;
        countdown = ticks;
    };
    if (look == kHiHatClosedLit) {
        if (shown == kHiHatClosedLit)
            show(kHiHatClosedAtRest, kHiHatClosedLit, kGapTicks);
        else
            show(kHiHatClosedLit, kHiHatClosedAtRest, litTicks());
    } else if (look == kHiHatClosedAtRest) {
        // The pedal closes the hi-hat for a while and lets it open again.
        if (shown == kHiHatClosedLit || shown == kHiHatClosedAtRest)
            show(kAtRest, kHiHatClosedAtRest, kGapTicks);
        else
            show(kHiHatClosedAtRest, kAtRest, litTicks());
    } else {
        if (shown == kHiHatOpenLit)
            show(kAtRest, kHiHatOpenLit, kGapTicks);
        else
            show(kHiHatOpenLit, kAtRest, litTicks());
    }
    m_hitSource[kHiHatRow] = port;
    drawHiHat(shown, colourOf(port));
}

void HitAnimation::noteOnLookPair(DrumKind kind, int look, std::uint16_t port)
{
    const LookPair& pair = lookPairOf(kind);
    std::uint8_t& shown = m_hitState[pair.Row];
    std::uint8_t& next = m_hitState[pair.NextRow];
    std::int32_t& countdown = m_hitCountdown[pair.Row];
    if (shown == look) {
        shown = kAtRest;
        next = static_cast<std::uint8_t>(look);
        countdown = kGapTicks;
    } else {
        shown = static_cast<std::uint8_t>(look);
        next = kAtRest;
        countdown = litTicks();
    }
    m_hitSource[pair.Row] = port;
    drawLookPair(kind, shown, colourOf(port));
}

void HitAnimation::noteOnOnOff(int anchor, std::uint16_t port)
{
    std::uint8_t& state = m_hitState[anchor];
    std::int32_t& countdown = m_hitCountdown[anchor];
    if (state == kLit) {
        state = kAtRest;
        countdown = kGapTicks;
        drawRest(anchor);
    } else {
        state = kLit;
        countdown = litTicks();
        drawLit(anchor, colourOf(port));
    }
    m_hitSource[anchor] = port;
}

void HitAnimation::noteOnScratch(int note, std::uint16_t port)
{
    std::uint8_t& state = m_hitState[kScratchRow];
    std::int32_t& countdown = m_hitCountdown[kScratchRow];
    // A push lights the turntable and a pull darkens it until the next note; the same note
    // on the look it made flashes the other look for a while.
    const std::int32_t flashTicks = litTicks() - 1;
    const auto show = [&](std::uint8_t look, std::int32_t ticks) {
        state = look;
        countdown = ticks;
    };
    if (note == kScratchPush) {
        if (state == kScratchLit)
            show(kScratchDark, flashTicks);
        else
            show(kScratchLit, 0);
    } else {
        if (state == kScratchDark)
            show(kScratchLit, flashTicks);
        else
            show(kScratchDark, 0);
    }
    m_hitSource[kScratchRow] = port;
    if (state == kScratchLit)
        drawLit(kScratchRow, colourOf(port));
    else
        drawRest(kScratchRow);
}

void HitAnimation::noteOnMetronome(int note, std::uint16_t port)
{
    std::uint8_t& state = m_hitState[kMetronomeRow];
    std::int32_t& countdown = m_hitCountdown[kMetronomeRow];
    if (note == kMetronomeClick) {
        // The click toggles the light.
        state = state == kMetronomeLit ? kMetronomeDark : kMetronomeLit;
        countdown = 0;
    } else if (state != kMetronomeDark) {
        state = kMetronomeDark;
        countdown = 0;
    } else {
        // The bell flashes for the gap.
        state = kMetronomeLit;
        countdown = kGapTicks;
    }
    m_hitSource[kMetronomeRow] = port;
    if (state == kMetronomeLit)
        drawLit(kMetronomeRow, colourOf(port));
    else
        drawRest(kMetronomeRow);
}

void HitAnimation::endAction(int anchor)
{
    switch (KitRow(anchor).Kind) {
    case DrumKind::Single:
        drawRest(anchor);
        break;
    case DrumKind::HiHat:
        m_hitState[kHiHatRow] = m_hitState[kHiHatNextRow];
        drawHiHat(m_hitState[kHiHatRow], storedColour(anchor));
        break;
    case DrumKind::Triangle:
    case DrumKind::Guiro: {
        const LookPair& pair = lookPairOf(KitRow(anchor).Kind);
        m_hitState[pair.Row] = m_hitState[pair.NextRow];
        drawLookPair(KitRow(anchor).Kind, m_hitState[pair.Row], storedColour(anchor));
        break;
    }
    case DrumKind::Whistle:
    case DrumKind::Kick:
        m_hitState[anchor] = kAtRest;
        drawRest(anchor);
        break;
    case DrumKind::Scratch:
        if (m_hitState[anchor] == kScratchLit) {
            m_hitState[anchor] = kScratchDark;
            drawRest(anchor);
        } else {
            m_hitState[anchor] = kScratchLit;
            drawLit(anchor, storedColour(anchor));
        }
        break;
    case DrumKind::Toggle:
    case DrumKind::Metronome:
        break; // never counted down
    }
}

void HitAnimation::relightAction(int anchor)
{
    switch (KitRow(anchor).Kind) {
    case DrumKind::Single:
        drawLit(anchor, storedColour(anchor));
        m_hitCountdown[anchor] = litTicks();
        break;
    case DrumKind::HiHat: {
        std::uint8_t& shown = m_hitState[kHiHatRow];
        shown = m_hitState[kHiHatNextRow];
        drawHiHat(shown, storedColour(anchor));
        if (shown != kAtRest) {
            // A closed hit ends closed; a pedal or open hit ends open.
            m_hitState[kHiHatNextRow] = shown == kHiHatClosedLit ? kHiHatClosedAtRest : kAtRest;
            m_hitCountdown[anchor] = litTicks();
        }
        break;
    }
    case DrumKind::Triangle:
    case DrumKind::Guiro: {
        const LookPair& pair = lookPairOf(KitRow(anchor).Kind);
        std::uint8_t& shown = m_hitState[pair.Row];
        shown = m_hitState[pair.NextRow];
        drawLookPair(KitRow(anchor).Kind, shown, storedColour(anchor));
        if (shown != kAtRest) {
            m_hitState[pair.NextRow] = kAtRest;
            m_hitCountdown[anchor] = litTicks();
        }
        break;
    }
    case DrumKind::Whistle:
    case DrumKind::Kick:
        m_hitState[anchor] = kLit;
        drawLit(anchor, storedColour(anchor));
        m_hitCountdown[anchor] = litTicks();
        break;
    case DrumKind::Metronome:
        m_hitState[anchor] = kMetronomeDark;
        drawRest(anchor);
        break;
    case DrumKind::Toggle:
    case DrumKind::Scratch:
        break; // never in a gap
    }
}

void HitAnimation::drawRest(int anchor)
{
    m_canvas.CopyRegion(KitPicture::KitImage, m_kit.LitRect(anchor));
}

void HitAnimation::drawLit(int anchor, HitColour colour)
{
    m_canvas.CopyRegion(colour == HitColour::LiveInput ? KitPicture::LocalHitImage
                                                       : KitPicture::HitImage,
                        m_kit.LitRect(anchor));
}

void HitAnimation::drawSmall(SmallPicture picture, int anchor, HitColour colour)
{
    m_canvas.CopyPicture(picture, colour, m_kit.LitRect(anchor));
}

void HitAnimation::drawHiHat(int look, HitColour colour)
{
    if (look == kHiHatClosedLit)
        drawSmall(SmallPicture::HiHatClosedHitImage, kHiHatRow, colour);
    else if (look == kHiHatClosedAtRest)
        drawSmall(SmallPicture::HiHatClosedImage, kHiHatRow, colour);
    else if (look == kHiHatOpenLit)
        drawLit(kHiHatRow, colour);
    else
        drawRest(kHiHatRow);
}

void HitAnimation::drawLookPair(DrumKind kind, int look, HitColour colour)
{
    const LookPair& pair = lookPairOf(kind);
    if (look == pair.SmallLook)
        drawSmall(pair.Small, pair.Row, colour);
    else if (look == kAtRest)
        drawRest(pair.Row);
    else
        drawLit(pair.Row, colour);
}

HitColour HitAnimation::storedColour(int anchor) const
{
    return colourOf(m_hitSource[anchor]);
}

} // namespace velmar::drums
