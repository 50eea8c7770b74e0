#pragma once

#include "host/MidiConnections.h"
#include "host/MidiPorts.h"
#include "host/MidiSystem.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace velmar::host {

struct MidiPortOptions {
    std::string api; // "alsa", "jack", or empty: the ALSA sequencer when there, else JACK
    MidiConnectionOptions connections;
};

struct OpenedMidiPorts {
    std::unique_ptr<MidiPorts> ports;
    // The client korvo opened, owned by `ports`; null without a MIDI system.
    MidiSystem* system = nullptr;
    std::vector<std::string> warnings; // no MIDI system
};

// Opens korvo's client on the MIDI system and its output ports: port 1, those named in the
// options and `usedPorts` (the song's). Without any MIDI system the ports are empty and one
// warning says so; korvo runs on either way.
[[nodiscard]] OpenedMidiPorts OpenMidiPorts(const MidiPortOptions& options,
                                            const std::set<std::uint16_t>& usedPorts);

// The sources and destinations the chosen MIDI system shows, as lines to print.
[[nodiscard]] std::string ListMidiPorts(const std::string& api);

} // namespace velmar::host
