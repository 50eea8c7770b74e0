#pragma once

#include "host/MidiPorts.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velmar::host {

// A port of another client, as korvo's MIDI system shows it.
struct MidiPortInfo {
    std::string id;   // what the system knows it by ("20:0", "system:midi_capture_1")
    std::string name; // what a user reads and names with --midi-in and --midi-out
    // A device (or a program standing for one), not korvo's own port, a through port or a
    // port of the system itself.
    bool hardware = false;
    friend bool operator==(const MidiPortInfo&, const MidiPortInfo&) = default;
};

// korvo's one client on a MIDI system, with an input port "in" whose messages go into the
// ports' input queue, and output ports "port 1" … as they are opened. Closing it (as a
// MidiInput of MidiPorts) stops the input before the queue goes.
class MidiSystem : public MidiInput {
public:
    [[nodiscard]] virtual std::string name() const = 0;

    // Other clients' ports that can send to korvo, and those it can send to.
    [[nodiscard]] virtual std::vector<MidiPortInfo> Sources() = 0;
    [[nodiscard]] virtual std::vector<MidiPortInfo> Destinations() = 0;

    [[nodiscard]] virtual bool InputConnected(const std::string& sourceId) = 0;
    virtual bool ConnectInput(const std::string& sourceId) = 0;
    virtual void DisconnectInput(const std::string& sourceId) = 0;

    // Output port `port` (1 to 16), made on first use; sends go out of it.
    [[nodiscard]] virtual std::unique_ptr<MidiOutput> OpenOutput(std::uint16_t port) = 0;
    [[nodiscard]] virtual bool OutputConnected(std::uint16_t port,
                                               const std::string& destinationId) = 0;
    virtual bool ConnectOutput(std::uint16_t port, const std::string& destinationId) = 0;

    // True once after ports appeared or went away since the last call. The system sets it
    // on its own thread; the host's thread takes it.
    [[nodiscard]] virtual bool TakePortsChanged() = 0;
};

} // namespace velmar::host
