#include "host/MidiConnections.h"

#include "tests/host/FakeMidiSystem.h"

#include <gtest/gtest.h>

namespace velmar::host {
namespace {

using Ids = std::set<std::string>;

const MidiPortInfo kKeyboard{"20:0", "USB Keyboard:USB Keyboard MIDI 1", true};
const MidiPortInfo kPads{"24:0", "Drum Pads:Drum Pads MIDI 1", true};
const MidiPortInfo kSequencer{"128:0", "Some Sequencer:out", false}; // a program, not gear

class MidiConnectionsTest : public ::testing::Test {
protected:
    MidiConnections& start(MidiConnectionOptions options)
    {
        connections.emplace(system, std::move(options),
                            [this](const std::string& line) { notices.push_back(line); });
        connections->Refresh();
        return *connections;
    }

    test::FakeMidiSystem system;
    std::vector<std::string> notices;
    std::optional<MidiConnections> connections;
};

TEST_F(MidiConnectionsTest, ConnectsEveryDeviceAtStartAndEachOneThatAppearsOrComesBack)
{
    system.sources = {kKeyboard, kSequencer};
    MidiConnections& connected = start({});
    EXPECT_EQ(system.inputs, (Ids{"20:0"})) << "programs connect themselves";

    system.Plug(kPads);
    connected.Poll();
    EXPECT_EQ(system.inputs, (Ids{"20:0", "24:0"}));
    connected.Poll(); // nothing changed: nothing is asked of the system
    EXPECT_EQ(notices, (std::vector<std::string>{
                           "korvo: MIDI input connected: USB Keyboard:USB Keyboard MIDI 1",
                           "korvo: MIDI input connected: Drum Pads:Drum Pads MIDI 1"}));

    system.Unplug("20:0");
    connected.Poll();
    EXPECT_EQ(notices.back(), "korvo: MIDI input gone: USB Keyboard:USB Keyboard MIDI 1");
    system.Plug(kKeyboard);
    connected.Poll();
    EXPECT_EQ(system.inputs, (Ids{"20:0", "24:0"})) << "connected again";
    EXPECT_EQ(connected.ConnectedInputs().size(), 2U);
}

TEST_F(MidiConnectionsTest, NamesNarrowTheConnectionsAndNoneMakesNone)
{
    system.sources = {kKeyboard, kPads};
    start({{"keyboard", "nothing like it"}, false, {}});
    EXPECT_EQ(system.inputs, (Ids{"20:0"})) << "a part of the name, in any case";

    system.inputs.clear();
    notices.clear();
    MidiConnections& none = start({{}, true, {}});
    system.Plug({"28:0", "Another Keyboard:MIDI 1", true});
    none.Poll();
    EXPECT_TRUE(system.inputs.empty());
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(none.Inputs().size(), 3U) << "the devices are still offered in the menu";
    none.SetInputWanted("28:0", true);
    none.Poll();
    EXPECT_EQ(system.inputs, (Ids{"28:0"})) << "a device the user ticks is connected";
}

TEST_F(MidiConnectionsTest, AnUntickedInputStaysOffUntilTickedAgainAlsoAcrossUnplugging)
{
    system.sources = {kKeyboard, kPads};
    MidiConnections& connected = start({});
    connected.SetInputWanted("20:0", false);
    EXPECT_EQ(system.inputs, (Ids{"24:0"}));

    system.Unplug("20:0");
    connected.Poll();
    system.Plug(kKeyboard);
    connected.Poll();
    EXPECT_EQ(system.inputs, (Ids{"24:0"}));

    connected.SetInputWanted("20:0", true);
    EXPECT_EQ(system.inputs, (Ids{"20:0", "24:0"}));
    connected.SetInputWanted("99:0", false); // gone meanwhile: nothing happens
    EXPECT_EQ(system.inputs, (Ids{"20:0", "24:0"}));
}

TEST_F(MidiConnectionsTest, AnOutputPortGoesToItsNamedDestinationAlsoWhenItAppearsLater)
{
    MidiConnections& connected = start({{}, false, {{2, "synth"}, {10, "drum module"}}});
    EXPECT_TRUE(system.outputs.empty());

    system.destinations = {{"30:0", "Hardware Synth:in", true}};
    system.changed = true;
    connected.Poll();
    EXPECT_EQ(system.outputs, (std::set<std::pair<std::uint16_t, std::string>>{{2, "30:0"}}));

    system.Unplug("30:0");
    connected.Poll();
    system.destinations = {{"31:0", "Hardware Synth:in", true}, {"32:0", "Drum Module:in", true}};
    system.changed = true;
    connected.Poll();
    EXPECT_EQ(system.outputs,
              (std::set<std::pair<std::uint16_t, std::string>>{{2, "31:0"}, {10, "32:0"}}));
}

} // namespace
} // namespace velmar::host
