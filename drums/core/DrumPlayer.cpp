#include "drums/core/DrumPlayer.h"

#include "drums/core/KitTable.h"
#include "drums/core/VirtualKeys.h"
#include "runtime/HostMessages.h"

namespace velmar::drums {

namespace {

constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOffVelocity = 64;

} // namespace

DrumPlayer::DrumPlayer(const KettraSettings& settings, const ScaledKit& kit,
                       const TransportPoll& transport, PostingHostWindow& host,
                       HitAnimation& animation)
    : m_settings(settings)
    , m_kit(kit)
    , m_transport(transport)
    , m_host(host)
    , m_animation(animation)
{}

void DrumPlayer::SetNoteOnStatus()
{
    m_noteOnStatus = status(kNoteOn);
}

std::uint8_t DrumPlayer::ChooseVelocity(bool high)
{
    if (m_settings.RandomizeVelocity == 0)
        return high ? m_settings.HiVelocity : m_settings.LoVelocity;
    const int base = high ? m_settings.HiRandomBase : m_settings.LoRandomBase;
    const int span = high ? m_settings.HiRandomSpan : m_settings.LoRandomSpan;
    if (span <= 0)
        return static_cast<std::uint8_t>(base);
    return static_cast<std::uint8_t>(base + std::uniform_int_distribution(0, span - 1)(m_random));
}

void DrumPlayer::Play(std::uint8_t note, std::uint8_t velocity)
{
    Release();
    m_currentNote = note;
    send(PackedMidiMessage::pack(status(kNoteOn), note, velocity));
    m_animation.ShowNoteOn(PackedMidiMessage::pack(m_noteOnStatus, note, velocity), 0);
}

void DrumPlayer::Release()
{
    if (m_currentNote >= kNoNote)
        return;
    send(PackedMidiMessage::pack(status(kNoteOff), m_currentNote, kNoteOffVelocity));
    m_currentNote = kNoNote;
}

void DrumPlayer::MouseDown(QPoint point, bool shift)
{
    if (const std::optional<int> instrument = m_kit.InstrumentAt(point))
        Play(KitRow(*instrument).Note, ChooseVelocity(shift));
}

void DrumPlayer::MouseUp(QPoint point)
{
    if (m_kit.InstrumentAt(point))
        Release();
}

void DrumPlayer::KeyDown(int virtualKey, bool shift)
{
    if (virtualKey == kVkReturn || virtualKey == kVkSpace || virtualKey == kVkTab ||
        virtualKey == kVkShift)
        return;
    if (const std::optional<int> instrument = InstrumentForKey(virtualKey))
        Play(KitRow(*instrument).Note, ChooseVelocity(shift || IsKeypadNavigationCode(virtualKey)));
}

void DrumPlayer::KeyUp(int virtualKey)
{
    if (virtualKey == kVkReturn || virtualKey == kVkShift)
        return;
    Release();
}

std::uint8_t DrumPlayer::status(std::uint8_t kind) const
{
    return static_cast<std::uint8_t>(kind + m_settings.DrumChannel - 1);
}

void DrumPlayer::send(PackedMidiMessage message)
{
    const auto packed = static_cast<platform::LPARAM>(message.value());
    m_host.Send(HostCmdPlayEvent, static_cast<platform::WPARAM>(m_settings.DrumPort), packed);
    if (m_transport.state() == TransportState::Recording)
        m_host.Post(HostCmdRecordEvent, 0, packed);
}

} // namespace velmar::drums
