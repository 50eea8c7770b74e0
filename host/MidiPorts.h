#pragma once

#include "host/MidiInputQueue.h"
#include "host/Song.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace velmar::host {

// A MIDI output korvo plays to.
class MidiOutput {
public:
    virtual ~MidiOutput() = default;
    virtual void Send(std::span<const std::uint8_t> bytes) = 0;
};

// A MIDI input that pushes what arrives into the ports' input queue while it lives.
class MidiInput {
public:
    virtual ~MidiInput() = default;
};

// The host's MIDI ports: the outputs of each mapped host output port (1 to 16) and the
// inputs, whose messages wait in one queue for the host's thread.
class MidiPorts {
public:
    static constexpr std::uint16_t kPorts = 16;

    MidiPorts();
    ~MidiPorts();
    MidiPorts(const MidiPorts&) = delete;
    MidiPorts& operator=(const MidiPorts&) = delete;

    // A port may sound through several outputs (a device and the embedded synth).
    void AddOutput(std::uint16_t port, std::unique_ptr<MidiOutput> output);
    void AddInput(std::unique_ptr<MidiInput> input);

    [[nodiscard]] bool HasOutput(std::uint16_t port) const;
    // Sends a song event to its port's outputs, if the port is mapped.
    void Play(const SongEvent& event);

    // Inputs are given the queue before they start, and it outlives them.
    [[nodiscard]] MidiInputQueue& input() { return *m_input; }

private:
    std::unique_ptr<MidiInputQueue> m_input;
    std::array<std::vector<std::unique_ptr<MidiOutput>>, kPorts> m_outputs;
    std::vector<std::unique_ptr<MidiInput>> m_inputs; // closed after the outputs
};

} // namespace velmar::host
