#include "host/AlsaSeqMidiSystem.h"

#include "host/MidiConnections.h"

#include <alsa/asoundlib.h>
#include <array>
#include <atomic>
#include <chrono>
#include <poll.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace velmar::host {

namespace {

constexpr const char* kClientName = "korvo";
constexpr int kThroughClient = 14; // the kernel's "Midi Through"

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string portId(int client, int port)
{
    return std::to_string(client) + ":" + std::to_string(port);
}

// "20:0" back into an address; false for anything else.
bool parseId(const std::string& id, snd_seq_addr_t& address)
{
    int client = -1;
    int port = -1;
    char end = 0;
    if (std::sscanf(id.c_str(), "%d:%d%c", &client, &port, &end) != 2 || client < 0 ||
        client > 255 || port < 0 || port > 255)
        return false;
    address.client = static_cast<unsigned char>(client);
    address.port = static_cast<unsigned char>(port);
    return true;
}

class AlsaOutput : public MidiOutput {
public:
    AlsaOutput(snd_seq_t* seq, int port)
        : m_seq(seq)
        , m_port(port)
    {
        snd_midi_event_new(4096, &m_encoder);
    }
    ~AlsaOutput() override
    {
        if (m_encoder != nullptr)
            snd_midi_event_free(m_encoder);
    }
    AlsaOutput(const AlsaOutput&) = delete;
    AlsaOutput& operator=(const AlsaOutput&) = delete;

    void Send(std::span<const std::uint8_t> bytes) override
    {
        if (m_encoder == nullptr)
            return;
        snd_midi_event_reset_encode(m_encoder);
        snd_seq_event_t event{};
        if (snd_midi_event_encode(m_encoder, bytes.data(), static_cast<long>(bytes.size()),
                                  &event) <= 0 ||
            event.type == SND_SEQ_EVENT_NONE)
            return;
        snd_seq_ev_set_source(&event, static_cast<unsigned char>(m_port));
        snd_seq_ev_set_subs(&event);
        snd_seq_ev_set_direct(&event);
        snd_seq_event_output_direct(m_seq, &event);
    }

private:
    snd_seq_t* m_seq;
    int m_port;
    snd_midi_event_t* m_encoder = nullptr;
};

class AlsaSeqMidiSystem : public MidiSystem {
public:
    AlsaSeqMidiSystem(snd_seq_t* seq, MidiInputQueue& input)
        : m_seq(seq)
        , m_input(input)
        , m_stop(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    {
        snd_seq_set_client_name(m_seq, kClientName);
        m_client = snd_seq_client_id(m_seq);
        m_in = snd_seq_create_simple_port(
            m_seq, "in", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
            SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
        // Ports coming and going are announced by the system client to its subscribers.
        if (m_in >= 0)
            snd_seq_connect_from(m_seq, m_in, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE);
        snd_seq_nonblock(m_seq, 1); // the reader drains what waits, then polls again
        snd_midi_event_new(256, &m_decoder);
        if (m_decoder != nullptr)
            snd_midi_event_no_status(m_decoder, 1); // every message whole, no running status
        m_reader = std::thread([this] { read(); });
    }
    ~AlsaSeqMidiSystem() override
    {
        const std::uint64_t one = 1;
        (void)!::write(m_stop, &one, sizeof one);
        m_reader.join();
        ::close(m_stop);
        if (m_decoder != nullptr)
            snd_midi_event_free(m_decoder);
        snd_seq_close(m_seq);
    }
    AlsaSeqMidiSystem(const AlsaSeqMidiSystem&) = delete;
    AlsaSeqMidiSystem& operator=(const AlsaSeqMidiSystem&) = delete;

    [[nodiscard]] std::string name() const override { return "ALSA sequencer"; }

    [[nodiscard]] std::vector<MidiPortInfo> Sources() override
    {
        return ports(SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ);
    }
    [[nodiscard]] std::vector<MidiPortInfo> Destinations() override
    {
        return ports(SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE);
    }

    [[nodiscard]] bool InputConnected(const std::string& sourceId) override
    {
        snd_seq_addr_t source{};
        return m_in >= 0 && parseId(sourceId, source) &&
               subscribed(source,
                          {static_cast<unsigned char>(m_client), static_cast<unsigned char>(m_in)});
    }
    bool ConnectInput(const std::string& sourceId) override
    {
        snd_seq_addr_t source{};
        return m_in >= 0 && parseId(sourceId, source) &&
               snd_seq_connect_from(m_seq, m_in, source.client, source.port) == 0;
    }
    void DisconnectInput(const std::string& sourceId) override
    {
        snd_seq_addr_t source{};
        if (m_in >= 0 && parseId(sourceId, source))
            snd_seq_disconnect_from(m_seq, m_in, source.client, source.port);
    }

    [[nodiscard]] std::unique_ptr<MidiOutput> OpenOutput(std::uint16_t port) override
    {
        const int seqPort = outputPort(port);
        return seqPort >= 0 ? std::make_unique<AlsaOutput>(m_seq, seqPort) : nullptr;
    }
    [[nodiscard]] bool OutputConnected(std::uint16_t port,
                                       const std::string& destinationId) override
    {
        const int seqPort = outputPort(port);
        snd_seq_addr_t destination{};
        return seqPort >= 0 && parseId(destinationId, destination) &&
               subscribed(
                   {static_cast<unsigned char>(m_client), static_cast<unsigned char>(seqPort)},
                   destination);
    }
    bool ConnectOutput(std::uint16_t port, const std::string& destinationId) override
    {
        const int seqPort = outputPort(port);
        snd_seq_addr_t destination{};
        return seqPort >= 0 && parseId(destinationId, destination) &&
               snd_seq_connect_to(m_seq, seqPort, destination.client, destination.port) == 0;
    }

    [[nodiscard]] bool TakePortsChanged() override { return m_changed.exchange(false); }

private:
    int outputPort(std::uint16_t port)
    {
        if (port < 1 || port > MidiPorts::kPorts)
            return -1;
        int& seqPort = m_outputs[port - 1U];
        if (seqPort < 0) {
            const std::string portName = "port " + std::to_string(port);
            seqPort = snd_seq_create_simple_port(
                m_seq, portName.c_str(), SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
        }
        return seqPort;
    }

    bool subscribed(snd_seq_addr_t sender, snd_seq_addr_t dest)
    {
        snd_seq_port_subscribe_t* subscription = nullptr;
        snd_seq_port_subscribe_alloca(&subscription);
        snd_seq_port_subscribe_set_sender(subscription, &sender);
        snd_seq_port_subscribe_set_dest(subscription, &dest);
        return snd_seq_get_port_subscription(m_seq, subscription) == 0;
    }

    std::vector<MidiPortInfo> ports(unsigned int capabilities)
    {
        std::vector<MidiPortInfo> found;
        snd_seq_client_info_t* client = nullptr;
        snd_seq_port_info_t* port = nullptr;
        snd_seq_client_info_alloca(&client);
        snd_seq_port_info_alloca(&port);
        snd_seq_client_info_set_client(client, -1);
        while (snd_seq_query_next_client(m_seq, client) >= 0) {
            const int clientId = snd_seq_client_info_get_client(client);
            if (clientId == m_client || clientId == SND_SEQ_CLIENT_SYSTEM)
                continue;
            const std::string clientName = snd_seq_client_info_get_name(client);
            snd_seq_port_info_set_client(port, clientId);
            snd_seq_port_info_set_port(port, -1);
            while (snd_seq_query_next_port(m_seq, port) >= 0) {
                const unsigned int caps = snd_seq_port_info_get_capability(port);
                if ((caps & capabilities) != capabilities || (caps & SND_SEQ_PORT_CAP_NO_EXPORT))
                    continue;
                const unsigned int type = snd_seq_port_info_get_type(port);
                MidiPortInfo info{portId(clientId, snd_seq_port_info_get_port(port)),
                                  clientName + ":" + snd_seq_port_info_get_name(port), false};
                info.hardware =
                    clientId != kThroughClient &&
                    (type & (SND_SEQ_PORT_TYPE_HARDWARE | SND_SEQ_PORT_TYPE_PORT)) != 0 &&
                    !NameHolds(info.name, "midi through");
                found.push_back(std::move(info));
            }
        }
        return found;
    }

    void read()
    {
        const int count = snd_seq_poll_descriptors_count(m_seq, POLLIN);
        std::vector<pollfd> fds(static_cast<std::size_t>(count) + 1);
        fds[0] = {m_stop, POLLIN, 0};
        snd_seq_poll_descriptors(m_seq, fds.data() + 1, static_cast<unsigned int>(count), POLLIN);
        while (::poll(fds.data(), fds.size(), -1) >= 0 && (fds[0].revents & POLLIN) == 0) {
            snd_seq_event_t* event = nullptr;
            while (snd_seq_event_input(m_seq, &event) >= 0 && event != nullptr)
                take(*event);
        }
    }

    void take(const snd_seq_event_t& event)
    {
        switch (event.type) {
        case SND_SEQ_EVENT_PORT_START:
        case SND_SEQ_EVENT_PORT_EXIT:
        case SND_SEQ_EVENT_PORT_CHANGE:
        case SND_SEQ_EVENT_CLIENT_START:
        case SND_SEQ_EVENT_CLIENT_EXIT:
            m_changed.store(true);
            return;
        case SND_SEQ_EVENT_SYSEX:
            takeSysEx(event);
            return;
        default:
            break;
        }
        if (m_decoder == nullptr)
            return;
        std::array<unsigned char, 16> bytes{};
        const long length =
            snd_midi_event_decode(m_decoder, bytes.data(), static_cast<long>(bytes.size()), &event);
        if (length > 0)
            m_input.Push(
                std::span<const std::uint8_t>(bytes.data(), static_cast<std::size_t>(length)),
                nowNs());
    }

    // A long SysEx message comes in pieces; it goes into the queue whole.
    void takeSysEx(const snd_seq_event_t& event)
    {
        const auto* bytes = static_cast<const std::uint8_t*>(event.data.ext.ptr);
        const std::size_t length = event.data.ext.len;
        if (length == 0 || bytes == nullptr)
            return;
        if (bytes[0] == 0xF0)
            m_sysEx.clear();
        if (m_sysEx.size() + length > kLongestSysEx) {
            m_sysEx.clear(); // longer than any ring can hold: refused whole
            return;
        }
        m_sysEx.insert(m_sysEx.end(), bytes, bytes + length);
        if (m_sysEx.back() == 0xF7 && m_sysEx.front() == 0xF0) {
            m_input.Push(m_sysEx, nowNs());
            m_sysEx.clear();
        }
    }

    static constexpr std::size_t kLongestSysEx = std::size_t{1} << 16;

    snd_seq_t* m_seq;
    MidiInputQueue& m_input;
    int m_stop;
    int m_client = -1;
    int m_in = -1;
    std::array<int, MidiPorts::kPorts> m_outputs{-1, -1, -1, -1, -1, -1, -1, -1,
                                                 -1, -1, -1, -1, -1, -1, -1, -1};
    snd_midi_event_t* m_decoder = nullptr;
    std::vector<std::uint8_t> m_sysEx; // reader thread only
    std::atomic<bool> m_changed{true};
    std::thread m_reader;
};

} // namespace

std::unique_ptr<MidiSystem> OpenAlsaSeqMidiSystem(MidiInputQueue& input)
{
    if (::access("/dev/snd/seq", R_OK | W_OK) != 0)
        return nullptr;
    snd_seq_t* seq = nullptr;
    if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, 0) < 0)
        return nullptr;
    return std::make_unique<AlsaSeqMidiSystem>(seq, input);
}

} // namespace velmar::host
