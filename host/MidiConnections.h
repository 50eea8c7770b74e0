#pragma once

#include "host/MidiSystem.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velmar::host {

struct MidiConnectionOptions {
    // Parts of names: only sources whose name holds one are connected (empty: every one).
    std::vector<std::string> inputs;
    bool noInputs = false; // --midi-in none: korvo connects no source itself
    // Output port to part of a destination's name.
    std::map<std::uint16_t, std::string> outputs;
};

// A hardware source korvo knows about, for the tray's menu.
struct MidiInputChoice {
    MidiPortInfo port;
    bool wanted = false;    // connected by korvo unless the user unticked it
    bool connected = false; // as the system said at the last refresh
};

// Which ports korvo connects, and when: every hardware source its options allow to its
// input, and each named output port to its destination, at start and whenever ports
// appear, so a device plugged in (again) is connected (again). Runs on the host's thread.
class MidiConnections {
public:
    using NoticeFunction = std::function<void(const std::string&)>;

    MidiConnections(MidiSystem& system, MidiConnectionOptions options, NoticeFunction notice);

    // Connects what is wanted and not connected, and tells of sources that came or went.
    void Refresh();
    // Refreshes when the system saw ports change.
    void Poll();

    [[nodiscard]] std::vector<MidiInputChoice> Inputs() const;
    // The user's choice for one source (by id): unticked, it stays disconnected until
    // ticked again, also across unplugging.
    void SetInputWanted(const std::string& sourceId, bool wanted);
    // Names of the sources connected at the last refresh.
    [[nodiscard]] std::vector<std::string> ConnectedInputs() const;

private:
    [[nodiscard]] bool Allowed(const MidiPortInfo& source) const;
    [[nodiscard]] bool Wanted(const MidiPortInfo& source) const;
    void ConnectOutputs();

    MidiSystem& m_system;
    MidiConnectionOptions m_options;
    NoticeFunction m_notice;
    std::vector<MidiInputChoice> m_inputs;
    // The user's choices by name, so a device back under another id keeps its choice.
    std::set<std::string> m_ticked;
    std::set<std::string> m_unticked;
};

// Whether `name` holds `part`, ignoring case.
[[nodiscard]] bool NameHolds(const std::string& name, const std::string& part);

} // namespace velmar::host
