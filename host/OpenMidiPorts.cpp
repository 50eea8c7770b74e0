#include "host/OpenMidiPorts.h"

#include "host/AlsaSeqMidiSystem.h"
#include "host/JackMidiSystem.h"

namespace velmar::host {

namespace {

std::unique_ptr<MidiSystem> openSystem(const std::string& api, MidiInputQueue& input)
{
    std::unique_ptr<MidiSystem> system;
    if (api != "jack")
        system = OpenAlsaSeqMidiSystem(input);
    if (!system && api != "alsa")
        system = OpenJackMidiSystem(input);
    return system;
}

std::string missing(const std::string& api)
{
    if (api == "alsa")
        return "the ALSA sequencer is not there";
    if (api == "jack")
        return "no JACK server is running";
    return "neither the ALSA sequencer nor a JACK server is there";
}

} // namespace

OpenedMidiPorts OpenMidiPorts(const MidiPortOptions& options,
                              const std::set<std::uint16_t>& usedPorts)
{
    OpenedMidiPorts opened{std::make_unique<MidiPorts>(), nullptr, {}};
    std::unique_ptr<MidiSystem> system = openSystem(options.api, opened.ports->input());
    if (!system) {
        opened.warnings.push_back("korvo: no MIDI system (" + missing(options.api) +
                                  "): running without MIDI ports");
        return opened;
    }
    std::set<std::uint16_t> outputs = usedPorts;
    outputs.insert(1);
    for (const auto& [port, name] : options.connections.outputs)
        outputs.insert(port);
    for (const std::uint16_t port : outputs)
        opened.ports->AddOutput(port, system->OpenOutput(port));
    opened.system = system.get();
    opened.ports->AddInput(std::move(system));
    return opened;
}

std::string ListMidiPorts(const std::string& api)
{
    const auto unused = std::make_unique<MidiInputQueue>(); // large: not on the stack
    const std::unique_ptr<MidiSystem> system = openSystem(api, *unused);
    if (!system)
        return "No MIDI system: " + missing(api) + ".\n";
    std::string text;
    for (const bool sources : {true, false}) {
        text += std::string(sources ? "MIDI sources" : "MIDI destinations") + " (" +
                system->name() + "):\n";
        const std::vector<MidiPortInfo> ports =
            sources ? system->Sources() : system->Destinations();
        if (ports.empty())
            text += "  none\n";
        for (const MidiPortInfo& port : ports)
            text += "  " + port.name + (port.hardware ? "" : "  (not a device)") + "\n";
    }
    return text;
}

} // namespace velmar::host
