#include "host/KorvoHost.h"

#include "host/MidiBytes.h"
#include "host/SmfTake.h"
#include "host/TakePaths.h"
#include "runtime/ClockReadings.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <signal.h>
#include <sstream>
#include <utility>

namespace velmar::host {

namespace {

constexpr const char* kBlockName = "KorvoExeInfo";
constexpr std::int32_t kBlockLength = static_cast<std::int32_t>(HostLinkBlock::kSize);
constexpr std::uint16_t kFloodPort = 1;
constexpr std::uint16_t kInputSource = 0;
// How long one tick may wait for the plug-in to make room in a full ring.
constexpr std::uint32_t kRoomWaitMs = 1;
// How often korvo looks whether the signed-in plug-in is still there.
constexpr std::uint32_t kPlugInCheckMs = 250;

const char* stateName(TransportState state)
{
    switch (state) {
    case TransportState::Playing:
        return "playing";
    case TransportState::Recording:
        return "recording";
    case TransportState::Stopped:
        break;
    }
    return "stopped";
}

bool processAlive(std::uint32_t pid)
{
    return pid != 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

platform::HWND firstWindowOf(std::uint32_t pid, platform::HWND except)
{
    for (const platform::HWND hwnd : platform::EnumWindows())
        if (hwnd != except && platform::GetWindowThreadProcessId(hwnd) == pid)
            return hwnd;
    return 0;
}

bool windowExists(platform::HWND hwnd)
{
    const auto windows = platform::EnumWindows();
    return std::find(windows.begin(), windows.end(), hwnd) != windows.end();
}

// A channel message with 7-bit data, as a plug-in may ask the host to play.
bool isChannelMessage(platform::LPARAM packed)
{
    if (packed < 0 || packed > 0x00FF'FFFF)
        return false;
    const PackedMidiMessage message(static_cast<std::uint32_t>(packed));
    return message.status() >= 0x80 && message.status() < 0xF0 && message.data1() < 0x80 &&
           message.data2() < 0x80;
}

} // namespace

KorvoHost::KorvoHost(const KorvoOptions& options, Song song, ClockFunction clock,
                     StatusFunction status, std::unique_ptr<MidiPorts> ports)
    : m_options(options)
    , m_clock(std::move(clock))
    , m_status(std::move(status))
    , m_ports(std::move(ports))
    , m_map(SharedMemory::Create(kBlockName, kBlockLength))
    , m_ring(m_map->Data())
    , m_sequencer(m_options.flood ? FloodSource(*m_options.flood).TransportSong() : std::move(song),
                  m_options.loop)
{
    if (m_options.flood)
        m_flood.emplace(*m_options.flood);
    m_window = platform::WindowEndpoint::create(
        [this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
            return HandleMessage(message, wParam, lParam);
        });
}

KorvoHost::~KorvoHost() = default;

platform::LRESULT KorvoHost::HandleMessage(platform::UINT message, platform::WPARAM wParam,
                                           platform::LPARAM lParam)
{
    switch (message) {
    case HostQueryIdentify:
        return HostIdentifyReply;
    case HostCmdSignIn:
        return SignIn();
    case HostCmdSignOff:
        if (platform::MessageSenderProcessId() == m_plugInPid)
            SignOff();
        return 0;
    case HostCmdPlay:
        ChangeTransport([this](std::uint32_t now) { m_sequencer.Play(now); });
        return 0;
    case HostCmdStop:
        ChangeTransport([this](std::uint32_t now) { m_sequencer.Stop(now); });
        return 0;
    case HostCmdRewind:
        ChangeTransport([this](std::uint32_t now) { m_sequencer.Rewind(now); });
        return 0;
    case HostCmdRecord:
        if (m_sequencer.state() == TransportState::Recording)
            EndTake(); // a new take starts
        ChangeTransport([this](std::uint32_t now) { m_sequencer.Record(now); });
        return 0;
    case HostQueryRunning:
        return m_sequencer.running() || m_finishingSong ? 1 : 0;
    case HostQueryRecording:
        return m_sequencer.state() == TransportState::Recording ? HostRecordingReply : 0;
    case HostQueryWindowMode:
        return m_options.windowMode;
    case HostQueryDrumDelay:
        return m_options.drumDelayMs;
    case HostCmdPlayEvent:
        PlayForPlugIn(wParam, lParam);
        return 0;
    case HostCmdRecordEvent:
        if (isChannelMessage(lParam))
            m_sequencer.RecordEvent(PackedMidiMessage(static_cast<std::uint32_t>(lParam)),
                                    m_clock());
        return 0;
    default:
        return 0;
    }
}

platform::LRESULT KorvoHost::SignIn()
{
    const std::uint32_t pid = platform::MessageSenderProcessId();
    if (m_plugInPid != 0 && m_plugInPid != pid) {
        const bool stillThere =
            m_plugInWindow != 0 ? windowExists(m_plugInWindow) : processAlive(m_plugInPid);
        if (stillThere)
            return 0;
    }
    m_plugInPid = pid;
    m_plugInWindow = firstWindowOf(pid, m_window->hwnd());
    Report();
    if (m_options.autoplay)
        ChangeTransport([this](std::uint32_t now) { m_sequencer.Play(now); });
    return HostSignInAccepted;
}

void KorvoHost::SignOff()
{
    m_plugInPid = 0;
    m_plugInWindow = 0;
    // What the plug-in left unread stays in the ring; events still waiting are dropped.
    m_pending.clear();
    // Nobody is left to hear the song or stop it.
    if (m_sequencer.state() != TransportState::Stopped)
        ChangeTransport([this](std::uint32_t now) { m_sequencer.Stop(now); }); // reports
    else
        Report();
}

void KorvoHost::CheckPlugInStillThere(std::uint32_t nowMs)
{
    if (!signedIn() || nowMs - m_plugInCheckedMs < kPlugInCheckMs)
        return;
    m_plugInCheckedMs = nowMs;
    const bool stillThere =
        m_plugInWindow != 0 ? windowExists(m_plugInWindow) : processAlive(m_plugInPid);
    if (!stillThere)
        SignOff();
}

bool KorvoHost::PlugInsThere() const
{
    if (signedIn())
        return true;
    const std::uint32_t own = platform::GetWindowThreadProcessId(m_window->hwnd());
    const auto windows = platform::EnumWindows();
    return std::any_of(windows.begin(), windows.end(), [own](platform::HWND hwnd) {
        return platform::GetWindowThreadProcessId(hwnd) != own;
    });
}

void KorvoHost::ChangeTransport(const std::function<void(std::uint32_t)>& change)
{
    const TransportState before = m_sequencer.state();
    const std::uint32_t now = m_clock();
    change(now);
    m_finishingSong = false;
    if (before == TransportState::Recording && m_sequencer.state() != TransportState::Recording)
        EndTake();
    if (m_flood && m_sequencer.positionMs(now) == 0) {
        m_flood->next = 0;
        m_flood->ringFull.reset();
    }
    if (m_sequencer.state() != before || m_sequencer.positionMs(now) == 0)
        Report();
}

void KorvoHost::SetLoop(bool loop)
{
    m_options.loop = loop;
    m_sequencer.SetLoop(loop);
}

void KorvoHost::ReplaceSong(Song song)
{
    ChangeTransport([this](std::uint32_t now) { m_sequencer.Stop(now); });
    m_pending.clear();
    m_sequencer = Sequencer(std::move(song), m_options.loop);
    Report();
}

void KorvoHost::PlayForPlugIn(platform::WPARAM port, platform::LPARAM packed)
{
    if (port < 1 || port > 16 || !isChannelMessage(packed)) {
        ++m_counters.refused;
        return;
    }
    ++m_counters.playedByPlugIn;
    if (m_status) {
        // Shown too, for a user whose port 1 makes no sound.
        char line[64];
        const PackedMidiMessage message(static_cast<std::uint32_t>(packed));
        std::snprintf(line, sizeof line, "korvo: port %d plays %02X %02X %02X",
                      static_cast<int>(port), message.status(), message.data1(), message.data2());
        m_status(line);
    }
    const std::uint32_t now = m_clock();
    const SongEvent event{0,
                          static_cast<std::uint16_t>(port),
                          PackedMidiMessage(static_cast<std::uint32_t>(packed)),
                          {}};
    if (m_ports)
        m_ports->Play(event);
    m_pending.push_back({now, event});
    Flush(now);
}

void KorvoHost::Tick()
{
    const std::uint32_t now = m_clock();
    CheckPlugInStillThere(now);
    const bool wasRecording = m_sequencer.state() == TransportState::Recording;
    TakeInput(now);
    m_sequencer.Advance(now, *this);
    Flush(now);
    if (wasRecording && m_sequencer.state() != TransportState::Recording)
        EndTake();
    if (std::exchange(m_reportDue, false))
        Report();
}

void KorvoHost::TakeInput(std::uint32_t nowMs)
{
    if (!m_ports)
        return;
    m_ports->input().Drain([this, nowMs](std::span<const std::uint8_t> bytes, std::int64_t) {
        const MidiBytes read = ReadMidiBytes(bytes);
        const bool fits =
            read.kind == MidiBytes::Kind::Short ||
            (read.kind == MidiBytes::Kind::SysEx && HostRingWriter::SysExFits(read.sysEx.size()));
        if (!fits) {
            ++m_counters.refused;
            return;
        }
        ++m_counters.received;
        m_pending.push_back(
            {nowMs, {0, kInputSource, read.message, {read.sysEx.begin(), read.sysEx.end()}}});
        if (read.message.status() <= 0xF0) // channel messages and SysEx; no clock or sense
            m_sequencer.RecordEvent(read.message, nowMs, read.sysEx);
    });
}

void KorvoHost::EndTake()
{
    if (!m_options.writeTakes || m_sequencer.take().empty())
        return;
    std::string error;
    const std::string path = m_options.recordTo.empty() ? NewTakePath(error) : m_options.recordTo;
    if (error.empty())
        error = SaveTake(path, m_sequencer.song(), m_sequencer.take());
    if (m_status)
        m_status(error.empty() ? "korvo: take of " + std::to_string(m_sequencer.take().size()) +
                                     " events written to " + path
                               : "korvo: the take was not written: " + error);
    if (m_takeListener)
        m_takeListener(path, error);
}

void KorvoHost::PlayEvent(const SongEvent& event)
{
    if (m_ports)
        m_ports->Play(event);
    if (event.isSysEx() && !HostRingWriter::SysExFits(event.sysEx.size())) {
        ++m_counters.refused; // empty, or longer than the whole SysEx area
        return;
    }
    // Due now; written at once unless older events still wait for room.
    m_pending.push_back({m_clock(), event});
}

void KorvoHost::BarStarted(int bar)
{
    if (m_plugInWindow != 0)
        platform::SendMessageA(m_plugInWindow, HostMsgSetMark, bar, 0);
}

void KorvoHost::StoppedAtEnd()
{
    // Reported after this tick's writes, so a flood's summary counts its last events.
    m_reportDue = true;
    m_finishingSong = true;
}

bool KorvoHost::TryWrite(const SongEvent& event)
{
    return event.isSysEx() ? m_ring.TryWriteSysEx(event.port, event.sysEx)
                           : m_ring.TryWrite(event.port, event.message);
}

void KorvoHost::NoteWritten(std::uint32_t dueMs, std::uint32_t nowMs)
{
    ++m_counters.written;
    const auto late = static_cast<std::int32_t>(nowMs - dueMs);
    if (late > 0) {
        ++m_counters.heldBack;
        m_counters.longestHoldMs =
            std::max(m_counters.longestHoldMs, static_cast<std::uint32_t>(late));
    }
}

bool KorvoHost::SongWritesOutstanding(std::uint32_t nowMs) const
{
    return !m_pending.empty() ||
           (m_flood && m_flood->next < m_flood->DueAt(m_sequencer.positionMs(nowMs)));
}

void KorvoHost::Flush(std::uint32_t nowMs)
{
    WriteDue(nowMs);
    if (m_finishingSong && (!signedIn() || !SongWritesOutstanding(nowMs)))
        m_finishingSong = false;
}

void KorvoHost::WriteDue(std::uint32_t nowMs)
{
    // Nobody reads the ring while no plug-in is signed in.
    if (!signedIn()) {
        m_pending.clear();
        return;
    }
    while (!m_pending.empty() && TryWrite(m_pending.front().event)) {
        NoteWritten(m_pending.front().dueMs, nowMs);
        m_pending.pop_front();
    }
    if (!m_flood || !m_pending.empty())
        return;

    // The flood writes as much as is due (also the last events when it has just stopped),
    // waiting a little for room when the ring is full.
    const std::uint32_t position = m_sequencer.positionMs(nowMs);
    const std::uint32_t origin = nowMs - position;
    const std::uint64_t due = m_flood->DueAt(position);
    const std::uint32_t giveUp = m_clock() + kRoomWaitMs;
    while (m_flood->next < due) {
        if (!m_ring.TryWrite(kFloodPort, FloodSource::EventAt(m_flood->next))) {
            const std::uint32_t failedAt = m_clock();
            if (!m_flood->ringFull)
                m_flood->ringFull = FloodSource::RingFull{failedAt, failedAt};
            m_flood->ringFull->latestMs = failedAt;
            if (static_cast<std::int32_t>(failedAt - giveUp) >= 0)
                break;
            continue;
        }
        // An event due when the ring was found full waited for room from then or from its
        // time, whichever is later; any other waited only for the host's own tick.
        const std::uint32_t writtenAt = m_clock();
        const std::uint32_t dueMs = origin + m_flood->DueTime(m_flood->next);
        std::uint32_t waitedFrom = writtenAt;
        if (m_flood->ringFull && !IsLater(dueMs, m_flood->ringFull->latestMs))
            waitedFrom =
                IsLater(dueMs, m_flood->ringFull->firstMs) ? dueMs : m_flood->ringFull->firstMs;
        NoteWritten(waitedFrom, writtenAt);
        ++m_flood->next;
    }
    if (m_flood->next >= due)
        m_flood->ringFull.reset();
}

std::string KorvoHost::StatusLine() const
{
    std::ostringstream line;
    line << "korvo: " << stateName(m_sequencer.state()) << ", bar " << m_sequencer.bar() << ", "
         << m_counters.written << " events written, " << m_counters.heldBack << " held back";
    if (m_counters.heldBack > 0)
        line << " (longest " << m_counters.longestHoldMs << " ms)";
    line << ", " << (signedIn() ? "plug-in signed in" : "no plug-in");
    line << ", MIDI: " << (m_options.midiSystem.empty() ? "none" : m_options.midiSystem);
    if (m_counters.received > 0)
        line << ", " << m_counters.received << " from MIDI input";
    if (m_counters.playedByPlugIn > 0)
        line << ", " << m_counters.playedByPlugIn << " notes played for it";
    return line.str();
}

void KorvoHost::Report()
{
    if (m_status)
        m_status(StatusLine());
}

} // namespace velmar::host
