#pragma once

#include "host/FloodSource.h"
#include "host/HostRingWriter.h"
#include "host/MidiPorts.h"
#include "host/Sequencer.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/Windows.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace velmar::host {

struct KorvoOptions {
    bool loop = false;
    platform::LRESULT windowMode = 1;
    platform::LRESULT drumDelayMs = 0;
    std::uint16_t drumPort = 1;
    bool autoplay = false;
    std::optional<FloodOptions> flood;
    // Whether a take is written when it ends, and where (empty: a timestamped file).
    bool writeTakes = false;
    std::string recordTo;
    std::string midiSystem; // shown in the status line; empty: none
};

// What the host has done, for its status line and for tests.
struct KorvoCounters {
    std::uint64_t written = 0;  // events written into the ring
    std::uint64_t heldBack = 0; // events that waited for room in the ring
    std::uint32_t longestHoldMs = 0;
    std::uint64_t playedByPlugIn = 0; // notes a plug-in asked the host to play
    std::uint64_t refused = 0;        // messages that were no valid MIDI, or did not fit
    std::uint64_t received = 0;       // messages from the MIDI input
};

// The host's side of everything a plug-in relies on: the host link block, the main window
// that answers the plug-ins' messages, the sign-in of one plug-in at a time, a sequencer
// whose events go into the ring, and the marks sent at each bar. It runs on one thread;
// the caller drives it with Tick() and delivers window messages (MessagePump).
class KorvoHost : private SequencerOutput {
public:
    using ClockFunction = std::function<std::uint32_t()>;
    using StatusFunction = std::function<void(const std::string&)>;

    // Throws SharedMemoryError or platform::PlatformError when the block or the window
    // cannot be made.
    // Without `ports` nothing is played to or taken from MIDI ports.
    KorvoHost(const KorvoOptions& options, Song song, ClockFunction clock, StatusFunction status,
              std::unique_ptr<MidiPorts> ports = nullptr);
    ~KorvoHost() override;
    KorvoHost(const KorvoHost&) = delete;
    KorvoHost& operator=(const KorvoHost&) = delete;

    // Plays what is due and writes what waits into the ring.
    void Tick();

    // The user's choices in the tray menu that no message carries.
    void SetLoop(bool loop);
    // Stops the transport (writing a take being recorded) and puts `song` in its place.
    void ReplaceSong(Song song);

    // Told of each take that ends: where it went, or why it did not (`error` not empty).
    using TakeFunction = std::function<void(const std::string& path, const std::string& error)>;
    void SetTakeListener(TakeFunction listener) { m_takeListener = std::move(listener); }

    [[nodiscard]] platform::HWND window() const { return m_window->hwnd(); }
    // Readable when MIDI input waits, so the caller can Tick() at once (-1: none).
    // The ports it plays to and takes from (null: none), for ports a new song needs.
    [[nodiscard]] MidiPorts* ports() { return m_ports.get(); }
    [[nodiscard]] int inputWakeFd() const { return m_ports ? m_ports->input().wakeFd() : -1; }
    [[nodiscard]] bool signedIn() const { return m_plugInPid != 0; }
    [[nodiscard]] platform::HWND plugInWindow() const { return m_plugInWindow; }
    [[nodiscard]] const Sequencer& sequencer() const { return m_sequencer; }
    [[nodiscard]] const KorvoCounters& counters() const { return m_counters; }
    [[nodiscard]] std::string StatusLine() const;
    // Whether a plug-in is signed in or any other process of the session has a window
    // (a plug-in waiting to sign in, or the one about to).
    [[nodiscard]] bool PlugInsThere() const;

private:
    struct Pending {
        std::uint32_t dueMs = 0;
        SongEvent event;
    };

    platform::LRESULT HandleMessage(platform::UINT message, platform::WPARAM wParam,
                                    platform::LPARAM lParam);
    platform::LRESULT SignIn();
    void SignOff();
    // Signs off a plug-in whose window (or process) went away without signing off.
    void CheckPlugInStillThere(std::uint32_t nowMs);
    void ChangeTransport(const std::function<void(std::uint32_t)>& change);
    void PlayForPlugIn(platform::WPARAM port, platform::LPARAM packed);

    void PlayEvent(const SongEvent& event) override;
    void BarStarted(int bar) override;
    void StoppedAtEnd() override;

    void TakeInput(std::uint32_t nowMs);
    void EndTake();
    // Writes what is due and still fits into the ring.
    void Flush(std::uint32_t nowMs);
    void WriteDue(std::uint32_t nowMs);
    [[nodiscard]] bool SongWritesOutstanding(std::uint32_t nowMs) const;
    bool TryWrite(const SongEvent& event);
    void NoteWritten(std::uint32_t dueMs, std::uint32_t nowMs);
    void Report();

    KorvoOptions m_options;
    ClockFunction m_clock;
    StatusFunction m_status;
    TakeFunction m_takeListener;
    std::unique_ptr<MidiPorts> m_ports;
    std::unique_ptr<SharedMemory> m_map;
    HostRingWriter m_ring;
    Sequencer m_sequencer;
    std::optional<FloodSource> m_flood;
    std::deque<Pending> m_pending;
    KorvoCounters m_counters;
    std::uint32_t m_plugInPid = 0;
    platform::HWND m_plugInWindow = 0;
    bool m_reportDue = false;
    std::uint32_t m_plugInCheckedMs = 0;
    // The song ended by itself but some of its last events still wait for room in the
    // ring: the transport reads as running until they are written.
    bool m_finishingSong = false;
    std::unique_ptr<platform::WindowEndpoint> m_window;
};

} // namespace velmar::host
