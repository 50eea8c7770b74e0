#pragma once

#include "host/MidiPorts.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace velmar::host {

struct MidiPortOptions {
    std::string api; // "alsa", "jack", or empty: ALSA, else JACK
    // Each NAME (part of a port's name), NUMBER or "virtual"; none: a virtual input and the
    // first hardware input.
    std::vector<std::string> inputs;
    // Host output port to NAME, NUMBER or "virtual"; none: port 1 to a virtual output.
    std::map<std::uint16_t, std::string> outputs;
};

struct OpenedMidiPorts {
    std::unique_ptr<MidiPorts> ports;
    std::vector<std::string> warnings; // ports that could not be opened, or no MIDI system
};

// Opens the computer's MIDI ports. Without any MIDI system the ports are empty and one
// warning says so; korvo runs on either way.
[[nodiscard]] OpenedMidiPorts OpenMidiPorts(const MidiPortOptions& options);

// The inputs and outputs the chosen MIDI system shows, as lines to print.
[[nodiscard]] std::string ListMidiPorts(const std::string& api);

} // namespace velmar::host
