#include "host/RtMidiPorts.h"

#include "host/QuietStderr.h"

#include <RtMidi.h>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace velmar::host {

namespace {

constexpr const char* kClientName = "korvo";

void countError(RtMidiError::Type type, const std::string&, void* failed)
{
    if (type != RtMidiError::DEBUG_WARNING)
        *static_cast<bool*>(failed) = true;
}

void reportError(RtMidiError::Type type, const std::string& text, void*)
{
    if (type != RtMidiError::DEBUG_WARNING)
        std::fprintf(stderr, "korvo: %s\n", text.c_str());
}

bool usable(RtMidi::Api api)
{
    if (api == RtMidi::LINUX_ALSA && ::access("/dev/snd/seq", R_OK | W_OK) != 0)
        return false;
    try {
        // RtMidi reports to stderr while it probes a system that is not there; the probe's
        // verdict is what the user is told.
        const QuietStderr quiet;
        bool failed = false;
        RtMidiIn probe(api, kClientName); // an output would leak when JACK is missing
        probe.setErrorCallback(&countError, &failed);
        (void)probe.getPortCount(); // JACK reports a missing server only here
        return !failed;
    } catch (const RtMidiError&) {
        return false;
    }
}

std::optional<RtMidi::Api> chooseApi(const std::string& name)
{
    std::vector<RtMidi::Api> candidates;
    if (name != "jack")
        candidates.push_back(RtMidi::LINUX_ALSA);
    if (name != "alsa")
        candidates.push_back(RtMidi::UNIX_JACK);
    for (const RtMidi::Api api : candidates)
        if (usable(api))
            return api;
    return std::nullopt;
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The port a user named by number or by part of its name.
std::optional<unsigned> findPort(RtMidi& midi, const std::string& wanted)
{
    const unsigned count = midi.getPortCount();
    if (!wanted.empty() && std::all_of(wanted.begin(), wanted.end(), ::isdigit)) {
        const unsigned long number = std::stoul(wanted);
        return number < count ? std::optional<unsigned>(static_cast<unsigned>(number))
                              : std::nullopt;
    }
    for (unsigned i = 0; i < count; ++i)
        if (lower(midi.getPortName(i)).find(lower(wanted)) != std::string::npos)
            return i;
    return std::nullopt;
}

// The first input that is a device: not the system's through port, not one of ours.
std::optional<unsigned> firstHardwarePort(RtMidi& midi)
{
    for (unsigned i = 0; i < midi.getPortCount(); ++i) {
        const std::string name = lower(midi.getPortName(i));
        if (name.find("midi through") == std::string::npos &&
            name.find(kClientName) == std::string::npos)
            return i;
    }
    return std::nullopt;
}

void onMessage(double, std::vector<unsigned char>* message, void* queue)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    static_cast<MidiInputQueue*>(queue)->Push(
        *message, std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

class RtInput : public MidiInput {
public:
    RtInput(RtMidi::Api api, const std::string& wanted, MidiInputQueue& queue)
        : m_in(api, kClientName)
    {
        m_in.setErrorCallback(&reportError, nullptr);
        m_in.ignoreTypes(false, false, false); // SysEx, timing and active sensing go in too
        m_in.setCallback(&onMessage, &queue);
        if (wanted == "virtual") {
            m_in.openVirtualPort("korvo in");
            m_name = "korvo in (virtual)";
            return;
        }
        const auto port = wanted.empty() ? firstHardwarePort(m_in) : findPort(m_in, wanted);
        if (!port)
            return;
        m_name = m_in.getPortName(*port);
        m_in.openPort(*port, "korvo in");
    }
    [[nodiscard]] bool open() const { return !m_name.empty(); }
    [[nodiscard]] const std::string& name() const { return m_name; }

private:
    RtMidiIn m_in;
    std::string m_name;
};

class RtOutput : public MidiOutput {
public:
    RtOutput(RtMidi::Api api, std::uint16_t hostPort, const std::string& wanted)
        : m_out(api, kClientName)
    {
        m_out.setErrorCallback(&reportError, nullptr);
        const std::string portName = "korvo out " + std::to_string(hostPort);
        if (wanted == "virtual") {
            m_out.openVirtualPort(portName);
            m_open = true;
            return;
        }
        if (const auto port = findPort(m_out, wanted)) {
            m_out.openPort(*port, portName);
            m_open = true;
        }
    }
    [[nodiscard]] bool open() const { return m_open; }
    void Send(std::span<const std::uint8_t> bytes) override
    {
        m_out.sendMessage(bytes.data(), bytes.size());
    }

private:
    RtMidiOut m_out;
    bool m_open = false;
};

std::string apiName(RtMidi::Api api)
{
    return RtMidi::getApiDisplayName(api);
}

} // namespace

OpenedMidiPorts OpenMidiPorts(const MidiPortOptions& options)
{
    OpenedMidiPorts opened{std::make_unique<MidiPorts>(), {}};
    const auto api = chooseApi(options.api);
    if (!api) {
        opened.warnings.push_back("korvo: no MIDI system (" +
                                  std::string(options.api.empty()
                                                  ? "neither the ALSA sequencer nor a JACK server"
                                                  : options.api) +
                                  " is there): running without MIDI ports");
        return opened;
    }
    const std::vector<std::string> inputs =
        options.inputs.empty() ? std::vector<std::string>{"virtual", ""} : options.inputs;
    for (const std::string& wanted : inputs) {
        try {
            auto input = std::make_unique<RtInput>(*api, wanted, opened.ports->input());
            if (input->open())
                opened.ports->AddInput(std::move(input));
            else if (!wanted.empty())
                opened.warnings.push_back("korvo: no MIDI input '" + wanted + "' on " +
                                          apiName(*api));
        } catch (const RtMidiError& error) {
            opened.warnings.push_back("korvo: MIDI input '" + wanted + "': " + error.getMessage());
        }
    }
    const std::map<std::uint16_t, std::string> outputs =
        options.outputs.empty() ? std::map<std::uint16_t, std::string>{{1, "virtual"}}
                                : options.outputs;
    for (const auto& [port, wanted] : outputs) {
        try {
            auto output = std::make_unique<RtOutput>(*api, port, wanted);
            if (output->open())
                opened.ports->AddOutput(port, std::move(output));
            else
                opened.warnings.push_back("korvo: no MIDI output '" + wanted + "' on " +
                                          apiName(*api) + " for port " + std::to_string(port));
        } catch (const RtMidiError& error) {
            opened.warnings.push_back("korvo: MIDI output for port " + std::to_string(port) + ": " +
                                      error.getMessage());
        }
    }
    return opened;
}

std::string ListMidiPorts(const std::string& api)
{
    const auto chosen = chooseApi(api);
    if (!chosen)
        return "No MIDI system: neither the ALSA sequencer nor a JACK server is there.\n";
    std::string text;
    try {
        RtMidiIn in(*chosen, kClientName);
        RtMidiOut out(*chosen, kClientName);
        for (RtMidi* midi : {static_cast<RtMidi*>(&in), static_cast<RtMidi*>(&out)}) {
            text += std::string(midi == &in ? "MIDI inputs" : "MIDI outputs") + " (" +
                    apiName(*chosen) + "):\n";
            const unsigned count = midi->getPortCount();
            if (count == 0)
                text += "  none\n";
            for (unsigned i = 0; i < count; ++i)
                text += "  " + std::to_string(i) + ": " + midi->getPortName(i) + "\n";
        }
    } catch (const RtMidiError& error) {
        text += error.getMessage() + "\n";
    }
    return text;
}

} // namespace velmar::host
