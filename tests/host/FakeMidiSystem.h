#pragma once

#include "host/MidiSystem.h"

#include <algorithm>
#include <set>
#include <utility>

namespace velmar::host::test {

// A MIDI system in the test's hands: its ports are what the test says, and connections are
// remembered. A port that goes away takes its connections with it, as on a real system.
class FakeMidiSystem : public MidiSystem {
public:
    [[nodiscard]] std::string name() const override { return "fake"; }
    [[nodiscard]] std::vector<MidiPortInfo> Sources() override { return sources; }
    [[nodiscard]] std::vector<MidiPortInfo> Destinations() override { return destinations; }

    [[nodiscard]] bool InputConnected(const std::string& sourceId) override
    {
        return inputs.contains(sourceId);
    }
    bool ConnectInput(const std::string& sourceId) override
    {
        if (!has(sources, sourceId))
            return false;
        inputs.insert(sourceId);
        return true;
    }
    void DisconnectInput(const std::string& sourceId) override { inputs.erase(sourceId); }

    [[nodiscard]] std::unique_ptr<MidiOutput> OpenOutput(std::uint16_t) override { return nullptr; }
    [[nodiscard]] bool OutputConnected(std::uint16_t port, const std::string& id) override
    {
        return outputs.contains({port, id});
    }
    bool ConnectOutput(std::uint16_t port, const std::string& id) override
    {
        if (!has(destinations, id))
            return false;
        outputs.insert({port, id});
        return true;
    }
    [[nodiscard]] bool TakePortsChanged() override { return std::exchange(changed, false); }

    void Plug(MidiPortInfo port)
    {
        sources.push_back(std::move(port));
        changed = true;
    }
    void Unplug(const std::string& id)
    {
        std::erase_if(sources, [&](const MidiPortInfo& port) { return port.id == id; });
        std::erase_if(destinations, [&](const MidiPortInfo& port) { return port.id == id; });
        inputs.erase(id);
        std::erase_if(outputs, [&](const auto& connection) { return connection.second == id; });
        changed = true;
    }

    std::vector<MidiPortInfo> sources;
    std::vector<MidiPortInfo> destinations;
    std::set<std::string> inputs;
    std::set<std::pair<std::uint16_t, std::string>> outputs;
    bool changed = false;

private:
    static bool has(const std::vector<MidiPortInfo>& ports, const std::string& id)
    {
        return std::any_of(ports.begin(), ports.end(),
                           [&](const MidiPortInfo& port) { return port.id == id; });
    }
};

} // namespace velmar::host::test
