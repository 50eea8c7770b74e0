#include "host/MidiPorts.h"

#include "host/MidiBytes.h"

namespace velmar::host {

MidiPorts::MidiPorts()
    : m_input(std::make_unique<MidiInputQueue>())
{}

MidiPorts::~MidiPorts()
{
    // Outputs may belong to an input's client, and inputs stop calling back before the
    // queue they push into goes.
    for (auto& outputs : m_outputs)
        outputs.clear();
    m_inputs.clear();
}

void MidiPorts::AddOutput(std::uint16_t port, std::unique_ptr<MidiOutput> output)
{
    if (port >= 1 && port <= kPorts && output)
        m_outputs[port - 1U].push_back(std::move(output));
}

void MidiPorts::AddInput(std::unique_ptr<MidiInput> input)
{
    if (input)
        m_inputs.push_back(std::move(input));
}

bool MidiPorts::HasOutput(std::uint16_t port) const
{
    return port >= 1 && port <= kPorts && !m_outputs[port - 1U].empty();
}

void MidiPorts::Play(const SongEvent& event)
{
    if (!HasOutput(event.port))
        return;
    std::vector<std::uint8_t> sysEx;
    std::array<std::uint8_t, 3> shortMessage{};
    std::span<const std::uint8_t> bytes;
    if (event.isSysEx()) {
        sysEx.push_back(0xF0);
        sysEx.insert(sysEx.end(), event.sysEx.begin(), event.sysEx.end());
        sysEx.push_back(0xF7);
        bytes = sysEx;
    } else {
        bytes = std::span(shortMessage.data(), WriteMidiBytes(event.message, shortMessage));
    }
    if (bytes.empty())
        return;
    for (const auto& output : m_outputs[event.port - 1U])
        output->Send(bytes);
}

} // namespace velmar::host
