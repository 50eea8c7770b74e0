#include "host/MidiConnections.h"

#include <algorithm>
#include <cctype>

namespace velmar::host {

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

bool NameHolds(const std::string& name, const std::string& part)
{
    return lower(name).find(lower(part)) != std::string::npos;
}

MidiConnections::MidiConnections(MidiSystem& system, MidiConnectionOptions options,
                                 NoticeFunction notice)
    : m_system(system)
    , m_options(std::move(options))
    , m_notice(std::move(notice))
{}

bool MidiConnections::Allowed(const MidiPortInfo& source) const
{
    if (!source.hardware || m_options.noInputs)
        return false;
    return m_options.inputs.empty() ||
           std::any_of(m_options.inputs.begin(), m_options.inputs.end(),
                       [&](const std::string& part) { return NameHolds(source.name, part); });
}

bool MidiConnections::Wanted(const MidiPortInfo& source) const
{
    return (Allowed(source) || m_ticked.contains(source.name)) && !m_unticked.contains(source.name);
}

void MidiConnections::Poll()
{
    if (m_system.TakePortsChanged())
        Refresh();
}

void MidiConnections::Refresh()
{
    std::vector<MidiInputChoice> now;
    for (const MidiPortInfo& source : m_system.Sources()) {
        if (!source.hardware)
            continue;
        MidiInputChoice choice{source, Wanted(source), false};
        if (choice.wanted && !m_system.InputConnected(source.id) &&
            m_system.ConnectInput(source.id) && m_notice)
            m_notice("korvo: MIDI input connected: " + source.name);
        choice.connected = m_system.InputConnected(source.id);
        now.push_back(std::move(choice));
    }
    for (const MidiInputChoice& before : m_inputs) {
        const bool stillThere = std::any_of(now.begin(), now.end(), [&](const auto& choice) {
            return choice.port.id == before.port.id;
        });
        if (!stillThere && before.connected && m_notice)
            m_notice("korvo: MIDI input gone: " + before.port.name);
    }
    m_inputs = std::move(now);
    ConnectOutputs();
}

void MidiConnections::ConnectOutputs()
{
    if (m_options.outputs.empty())
        return;
    const std::vector<MidiPortInfo> destinations = m_system.Destinations();
    for (const auto& [port, wanted] : m_options.outputs) {
        const std::string& part = wanted; // a structured binding cannot be captured in C++20
        const auto found = std::find_if(destinations.begin(), destinations.end(),
                                        [&](const auto& d) { return NameHolds(d.name, part); });
        if (found == destinations.end() || m_system.OutputConnected(port, found->id))
            continue;
        if (m_system.ConnectOutput(port, found->id) && m_notice)
            m_notice("korvo: port " + std::to_string(port) + " sent to " + found->name);
    }
}

std::vector<MidiInputChoice> MidiConnections::Inputs() const
{
    return m_inputs;
}

void MidiConnections::SetInputWanted(const std::string& sourceId, bool wanted)
{
    const auto choice = std::find_if(m_inputs.begin(), m_inputs.end(),
                                     [&](const auto& c) { return c.port.id == sourceId; });
    if (choice == m_inputs.end())
        return;
    if (wanted) {
        m_unticked.erase(choice->port.name);
        m_ticked.insert(choice->port.name);
        if (!m_system.InputConnected(sourceId))
            m_system.ConnectInput(sourceId);
    } else {
        m_ticked.erase(choice->port.name);
        m_unticked.insert(choice->port.name);
        m_system.DisconnectInput(sourceId);
    }
    choice->wanted = wanted;
    choice->connected = m_system.InputConnected(sourceId);
}

std::vector<std::string> MidiConnections::ConnectedInputs() const
{
    std::vector<std::string> names;
    for (const MidiInputChoice& choice : m_inputs)
        if (choice.connected)
            names.push_back(choice.port.name);
    return names;
}

} // namespace velmar::host
