#include "host/DemoSong.h"
#include "host/EmbeddedSynth.h"
#include "host/IdleExit.h"
#include "host/KorvoCommandLine.h"
#include "host/KorvoHost.h"
#include "host/MidiConnections.h"
#include "host/OpenMidiPorts.h"
#include "host/SmfSong.h"
#include "host/StartedByPlugIn.h"
#include "host/TakePaths.h"
#include "runtime/platform/Clock.h"
#include "runtime/platform/PlatformError.h"
#include "runtime/qt/MessagePump.h"
#include "runtime/qt/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <set>

namespace {

// How often korvo looks whether MIDI ports came or went: well within the second a user
// waits for a device just plugged in.
constexpr int kConnectionCheckMs = 250;
constexpr int kPlugInsCheckMs = 500;

// Port 1 sounds through the embedded synth unless the user sent it to a device.
void addSynth(const velmar::host::KorvoCommandLine& commandLine, velmar::host::MidiPorts& ports,
              const std::function<void(const std::string&)>& status)
{
    using velmar::host::EmbeddedSynth;
    if (!commandLine.synth || commandLine.midi.connections.outputs.contains(1))
        return;
    std::string error;
    auto synth = EmbeddedSynth::Create(EmbeddedSynth::kDefaultSoundFont, error);
    if (!synth)
        status("korvo: no embedded synth: " + error);
    else if (!synth->StartAudio())
        status("korvo: no audio device: port 1 is not sounded");
    else
        ports.AddOutput(1, std::move(synth));
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace velmar;
    QCoreApplication app(argc, argv);
    const host::KorvoCommandLine commandLine = host::ParseKorvoCommandLine(app.arguments());
    if (commandLine.exitNow) {
        std::fputs(commandLine.message.toLocal8Bit().constData(),
                   commandLine.exitCode == 0 ? stdout : stderr);
        return commandLine.exitCode;
    }

    if (!commandLine.options.recordTo.empty()) {
        // Found out now, not when a take is lost at its end.
        if (const std::string error = host::CheckTakePath(commandLine.options.recordTo);
            !error.empty()) {
            std::fprintf(stderr, "korvo: --record-to %s: %s\n",
                         commandLine.options.recordTo.c_str(), error.c_str());
            return 2;
        }
    }
    if (commandLine.listPorts) {
        std::fputs(host::ListMidiPorts(commandLine.midi.api).c_str(), stdout);
        return 0;
    }
    host::Song song = host::DemoSong(commandLine.options.drumPort);
    if (!commandLine.songPath.empty()) {
        host::SmfSong loaded = host::LoadSmfSong(commandLine.songPath, commandLine.trackPorts);
        if (!loaded.song) {
            std::fprintf(stderr, "korvo: %s\n", loaded.error.c_str());
            return 1;
        }
        song = std::move(*loaded.song);
    }

    const bool quiet = commandLine.quiet;
    auto status = [quiet](const std::string& line) {
        if (!quiet)
            std::fprintf(stderr, "%s\n", line.c_str());
    };
    std::set<std::uint16_t> songPorts;
    for (const host::SongEvent& event : song.events)
        songPorts.insert(event.port);
    host::OpenedMidiPorts midi = host::OpenMidiPorts(commandLine.midi, songPorts);
    for (const std::string& warning : midi.warnings)
        status(warning);
    addSynth(commandLine, *midi.ports, status);
    host::KorvoOptions options = commandLine.options;
    if (midi.system != nullptr)
        options.midiSystem = midi.system->name();
    std::unique_ptr<host::KorvoHost> korvo;
    try {
        korvo = std::make_unique<host::KorvoHost>(options, std::move(song), platform::timeGetTime,
                                                  status, std::move(midi.ports));
    } catch (const SharedMemoryError& error) {
        std::fprintf(stderr, "korvo: %s: %s\n", error.what(), error.detail().c_str());
        return 1;
    } catch (const platform::PlatformError& error) {
        std::fprintf(stderr, "korvo: %s\n", error.what());
        return 1;
    }
    // Devices are connected at start and whenever ports come or go.
    std::unique_ptr<host::MidiConnections> connections;
    QTimer connectionCheck;
    if (midi.system != nullptr) {
        connections = std::make_unique<host::MidiConnections>(*midi.system,
                                                              commandLine.midi.connections, status);
        connections->Refresh();
        QObject::connect(&connectionCheck, &QTimer::timeout, &connectionCheck,
                         [&connections] { connections->Poll(); });
        connectionCheck.start(kConnectionCheckMs);
    }
    status(korvo->StatusLine());

    MessagePump pump;
    TerminationSignals signals([] { QCoreApplication::quit(); });
    QTimer clock;
    clock.setTimerType(Qt::PreciseTimer);
    QObject::connect(&clock, &QTimer::timeout, &clock, [&korvo] { korvo->Tick(); });
    clock.start(1);
    // MIDI input is written into the ring as soon as it arrives, not at the next tick.
    std::unique_ptr<QSocketNotifier> input;
    if (korvo->inputWakeFd() >= 0) {
        input = std::make_unique<QSocketNotifier>(korvo->inputWakeFd(), QSocketNotifier::Read);
        QObject::connect(input.get(), &QSocketNotifier::activated, input.get(),
                         [&korvo] { korvo->Tick(); });
    }
    // A korvo a plug-in started ends some time after the last plug-in has gone.
    host::IdleExit idleExit(host::StartedByPlugIn());
    QTimer plugInsCheck;
    QObject::connect(&plugInsCheck, &QTimer::timeout, &plugInsCheck, [&] {
        if (idleExit.Due(platform::timeGetTime(), korvo->PlugInsThere())) {
            status("korvo: no plug-in for " + std::to_string(host::IdleExit::kGraceMs / 1000) +
                   " seconds: ending");
            QCoreApplication::quit();
        }
    });
    if (idleExit.armed())
        plugInsCheck.start(kPlugInsCheckMs);
    const int result = QCoreApplication::exec();
    status(korvo->StatusLine());
    return result;
}
