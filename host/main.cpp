#include "host/DemoSong.h"
#include "host/EmbeddedSynth.h"
#include "host/KorvoCommandLine.h"
#include "host/KorvoHost.h"
#include "host/RtMidiPorts.h"
#include "host/SmfSong.h"
#include "runtime/platform/Clock.h"
#include "runtime/platform/PlatformError.h"
#include "runtime/qt/MessagePump.h"
#include "runtime/qt/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Port 1 sounds through the embedded synth unless the user sent it to a device.
void addSynth(const velmar::host::KorvoCommandLine& commandLine, velmar::host::MidiPorts& ports,
              const std::function<void(const std::string&)>& status)
{
    using velmar::host::EmbeddedSynth;
    const auto port1 = commandLine.midi.outputs.find(1);
    if (!commandLine.synth ||
        (port1 != commandLine.midi.outputs.end() && port1->second != "virtual"))
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
    host::OpenedMidiPorts midi = host::OpenMidiPorts(commandLine.midi);
    for (const std::string& warning : midi.warnings)
        status(warning);
    addSynth(commandLine, *midi.ports, status);
    std::unique_ptr<host::KorvoHost> korvo;
    try {
        korvo =
            std::make_unique<host::KorvoHost>(commandLine.options, std::move(song),
                                              platform::timeGetTime, status, std::move(midi.ports));
    } catch (const SharedMemoryError& error) {
        std::fprintf(stderr, "korvo: %s: %s\n", error.what(), error.detail().c_str());
        return 1;
    } catch (const platform::PlatformError& error) {
        std::fprintf(stderr, "korvo: %s\n", error.what());
        return 1;
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
    const int result = QCoreApplication::exec();
    status(korvo->StatusLine());
    return result;
}
