#include "host/JackMidiSystem.h"

#include "host/MidiConnections.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstring>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

namespace velmar::host {

namespace {

constexpr const char* kClientName = "korvo";
// What the host's thread may send between two cycles on one port: a song's busiest
// moment and a long SysEx message.
constexpr std::size_t kOutputBytes = std::size_t{1} << 16;

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct JackPortsDeleter {
    void operator()(const char** ports) const { jack_free(static_cast<void*>(ports)); }
};
using JackPortList = std::unique_ptr<const char*, JackPortsDeleter>;

// One output port and the messages waiting for its next cycle.
struct OutputLane {
    std::atomic<jack_port_t*> port{nullptr};
    jack_ringbuffer_t* waiting = nullptr;
};

class JackOutput : public MidiOutput {
public:
    explicit JackOutput(OutputLane& lane)
        : m_lane(lane)
    {}
    void Send(std::span<const std::uint8_t> bytes) override
    {
        const auto length = static_cast<std::uint32_t>(bytes.size());
        if (bytes.empty() ||
            jack_ringbuffer_write_space(m_lane.waiting) < sizeof length + bytes.size())
            return; // the port's client stopped reading: dropped, as a full device would
        jack_ringbuffer_write(m_lane.waiting, reinterpret_cast<const char*>(&length),
                              sizeof length);
        jack_ringbuffer_write(m_lane.waiting, reinterpret_cast<const char*>(bytes.data()),
                              bytes.size());
    }

private:
    OutputLane& m_lane;
};

class JackMidiSystem : public MidiSystem {
public:
    JackMidiSystem(jack_client_t* client, MidiInputQueue& input)
        : m_client(client)
        , m_input(input)
    {
        for (OutputLane& lane : m_outputs)
            lane.waiting = jack_ringbuffer_create(kOutputBytes);
        m_in = jack_port_register(m_client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(m_client, &JackMidiSystem::process, this);
        jack_set_port_registration_callback(m_client, &JackMidiSystem::portRegistered, this);
        jack_activate(m_client);
    }
    ~JackMidiSystem() override
    {
        jack_deactivate(m_client);
        jack_client_close(m_client);
        for (OutputLane& lane : m_outputs)
            jack_ringbuffer_free(lane.waiting);
    }
    JackMidiSystem(const JackMidiSystem&) = delete;
    JackMidiSystem& operator=(const JackMidiSystem&) = delete;

    [[nodiscard]] std::string name() const override { return "JACK"; }

    [[nodiscard]] std::vector<MidiPortInfo> Sources() override { return ports(JackPortIsOutput); }
    [[nodiscard]] std::vector<MidiPortInfo> Destinations() override
    {
        return ports(JackPortIsInput);
    }

    [[nodiscard]] bool InputConnected(const std::string& sourceId) override
    {
        return m_in != nullptr && jack_port_connected_to(m_in, sourceId.c_str()) != 0;
    }
    bool ConnectInput(const std::string& sourceId) override
    {
        return m_in != nullptr &&
               jack_connect(m_client, sourceId.c_str(), jack_port_name(m_in)) == 0;
    }
    void DisconnectInput(const std::string& sourceId) override
    {
        if (m_in != nullptr)
            jack_disconnect(m_client, sourceId.c_str(), jack_port_name(m_in));
    }

    [[nodiscard]] std::unique_ptr<MidiOutput> OpenOutput(std::uint16_t port) override
    {
        jack_port_t* jackPort = outputPort(port);
        return jackPort != nullptr ? std::make_unique<JackOutput>(m_outputs[port - 1U]) : nullptr;
    }
    [[nodiscard]] bool OutputConnected(std::uint16_t port,
                                       const std::string& destinationId) override
    {
        jack_port_t* jackPort = outputPort(port);
        return jackPort != nullptr && jack_port_connected_to(jackPort, destinationId.c_str()) != 0;
    }
    bool ConnectOutput(std::uint16_t port, const std::string& destinationId) override
    {
        jack_port_t* jackPort = outputPort(port);
        return jackPort != nullptr &&
               jack_connect(m_client, jack_port_name(jackPort), destinationId.c_str()) == 0;
    }

    [[nodiscard]] bool TakePortsChanged() override { return m_changed.exchange(false); }

private:
    jack_port_t* outputPort(std::uint16_t port)
    {
        if (port < 1 || port > MidiPorts::kPorts)
            return nullptr;
        OutputLane& lane = m_outputs[port - 1U];
        if (lane.port.load() == nullptr) {
            const std::string portName = "port " + std::to_string(port);
            lane.port.store(jack_port_register(m_client, portName.c_str(), JACK_DEFAULT_MIDI_TYPE,
                                               JackPortIsOutput, 0));
        }
        return lane.port.load();
    }

    std::vector<MidiPortInfo> ports(unsigned long direction)
    {
        std::vector<MidiPortInfo> found;
        const JackPortList names(
            jack_get_ports(m_client, nullptr, JACK_DEFAULT_MIDI_TYPE, direction));
        const std::string own = std::string(jack_get_client_name(m_client)) + ":";
        for (const char** name = names.get(); name != nullptr && *name != nullptr; ++name) {
            jack_port_t* port = jack_port_by_name(m_client, *name);
            if (port == nullptr || std::strncmp(*name, own.c_str(), own.size()) == 0)
                continue;
            MidiPortInfo info{*name, *name, false};
            // A device's own name is often only in its aliases ("system:midi_capture_1").
            std::array<std::array<char, 512>, 2> aliases{};
            std::array<char*, 2> aliasPointers{aliases[0].data(), aliases[1].data()};
            const int count = jack_port_get_aliases(port, aliasPointers.data());
            for (int i = 0; i < count && i < 2; ++i)
                info.name += std::string(" (") + aliasPointers[static_cast<std::size_t>(i)] + ")";
            info.hardware = (jack_port_flags(port) & JackPortIsPhysical) != 0 &&
                            !NameHolds(info.name, "midi through");
            found.push_back(std::move(info));
        }
        return found;
    }

    static int process(jack_nframes_t frames, void* self)
    {
        static_cast<JackMidiSystem*>(self)->onCycle(frames);
        return 0;
    }
    void onCycle(jack_nframes_t frames)
    {
        if (m_in != nullptr) {
            void* buffer = jack_port_get_buffer(m_in, frames);
            const std::int64_t arrival = nowNs();
            const std::uint32_t count = jack_midi_get_event_count(buffer);
            for (std::uint32_t i = 0; i < count; ++i) {
                jack_midi_event_t event{};
                if (jack_midi_event_get(&event, buffer, i) == 0)
                    m_input.Push(std::span<const std::uint8_t>(event.buffer, event.size), arrival);
            }
        }
        for (OutputLane& lane : m_outputs)
            if (jack_port_t* port = lane.port.load())
                sendWaiting(lane, jack_port_get_buffer(port, frames));
    }
    static void sendWaiting(OutputLane& lane, void* buffer)
    {
        jack_midi_clear_buffer(buffer);
        std::uint32_t length = 0;
        while (jack_ringbuffer_peek(lane.waiting, reinterpret_cast<char*>(&length),
                                    sizeof length) == sizeof length &&
               jack_ringbuffer_read_space(lane.waiting) >= sizeof length + length) {
            jack_midi_data_t* bytes = jack_midi_event_reserve(buffer, 0, length);
            if (bytes == nullptr)
                return; // the cycle is full: the rest go in the next one
            jack_ringbuffer_read_advance(lane.waiting, sizeof length);
            jack_ringbuffer_read(lane.waiting, reinterpret_cast<char*>(bytes), length);
        }
    }

    static void portRegistered(jack_port_id_t, int, void* self)
    {
        static_cast<JackMidiSystem*>(self)->m_changed.store(true);
    }

    jack_client_t* m_client;
    MidiInputQueue& m_input;
    jack_port_t* m_in = nullptr;
    std::array<OutputLane, MidiPorts::kPorts> m_outputs;
    std::atomic<bool> m_changed{true};
};

void silent(const char*) {}

} // namespace

std::unique_ptr<MidiSystem> OpenJackMidiSystem(MidiInputQueue& input)
{
    // libjack reports a missing server on stderr; korvo's own verdict is what the user reads.
    jack_set_error_function(&silent);
    jack_set_info_function(&silent);
    jack_status_t status{};
    jack_client_t* client =
        jack_client_open(kClientName, static_cast<jack_options_t>(JackNoStartServer), &status);
    if (client == nullptr)
        return nullptr;
    return std::make_unique<JackMidiSystem>(client, input);
}

} // namespace velmar::host
