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
#include "host/desktop/DesktopNotifier.h"
#include "host/desktop/KorvoTray.h"
#include "runtime/platform/Clock.h"
#include "runtime/platform/PlatformError.h"
#include "runtime/qt/MessagePump.h"
#include "runtime/qt/TerminationSignals.h"

#include <QApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <filesystem>
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

// Whether a display answers where the environment points, so a tray can be asked for
// without the toolkit ending korvo when there is none.
bool hasDisplay()
{
    if (const char* wayland = std::getenv("WAYLAND_DISPLAY"); wayland && *wayland) {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        const std::filesystem::path socket = wayland[0] == '/' ? std::filesystem::path(wayland)
                                             : runtime != nullptr
                                                 ? std::filesystem::path(runtime) / wayland
                                                 : std::filesystem::path();
        if (!socket.empty() && std::filesystem::exists(socket))
            return true;
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || display[0] != ':')
        return display != nullptr && *display != 0; // a remote display: trusted as given
    const std::string number =
        std::string(display + 1).substr(0, std::string(display + 1).find('.'));
    return std::filesystem::exists("/tmp/.X11-unix/X" + number);
}

std::set<std::uint16_t> portsOf(const velmar::host::Song& song)
{
    std::set<std::uint16_t> ports;
    for (const velmar::host::SongEvent& event : song.events)
        ports.insert(event.port);
    return ports;
}

// Loads the song the user chose in the tray and plays it from now on; what went wrong, or
// an empty string.
QString replaceSong(velmar::host::KorvoHost& korvo, velmar::host::MidiSystem* system,
                    const QString& path)
{
    velmar::host::SmfSong loaded = velmar::host::LoadSmfSong(path.toStdString(), {});
    if (!loaded.song)
        return QString::fromStdString(loaded.error);
    // The song's ports appear on the MIDI system, as at start.
    if (system != nullptr && korvo.ports() != nullptr)
        for (const std::uint16_t port : portsOf(*loaded.song))
            if (!korvo.ports()->HasOutput(port))
                korvo.ports()->AddOutput(port, system->OpenOutput(port));
    korvo.ReplaceSong(std::move(*loaded.song));
    return {};
}

QStringList arguments(int argc, char* argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace velmar;
    const host::KorvoCommandLine commandLine = host::ParseKorvoCommandLine(arguments(argc, argv));
    // Widgets only where a tray may be shown: korvo also runs where no display is.
    const std::unique_ptr<QCoreApplication> app =
        commandLine.tray && !commandLine.exitNow && hasDisplay()
            ? std::make_unique<QApplication>(argc, argv)
            : std::make_unique<QCoreApplication>(argc, argv);
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
    host::OpenedMidiPorts midi = host::OpenMidiPorts(commandLine.midi, portsOf(song));
    host::DesktopNotifier notifier;
    for (const std::string& warning : midi.warnings) {
        status(warning);
        notifier.Notify(QStringLiteral("korvo: no MIDI system"), QString::fromStdString(warning));
    }
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
    bool announce = false;
    QTimer connectionCheck;
    if (midi.system != nullptr) {
        // Devices there at start show in the tray; those that come and go later are told.
        connections = std::make_unique<host::MidiConnections>(
            *midi.system, commandLine.midi.connections,
            [&status, &notifier, &announce](const std::string& line) {
                status(line);
                if (announce)
                    notifier.Notify(QStringLiteral("korvo"), QString::fromStdString(line));
            });
        connections->Refresh();
        announce = true;
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
    korvo->SetTakeListener([&notifier](const std::string& path, const std::string& error) {
        if (error.empty())
            notifier.Notify(QStringLiteral("korvo: take written"), QString::fromStdString(path),
                            QFileInfo(QString::fromStdString(path)).absolutePath());
        else
            notifier.Notify(QStringLiteral("korvo: the take was not written"),
                            QString::fromStdString(error));
    });
    // A korvo a plug-in started ends some time after the last plug-in has gone.
    host::IdleExit idleExit(host::StartedByPlugIn());
    std::unique_ptr<host::KorvoTray> tray;
    if (qobject_cast<QApplication*>(app.get()) != nullptr && host::KorvoTray::Available()) {
        const bool flood = commandLine.options.flood.has_value();
        tray = std::make_unique<host::KorvoTray>(host::KorvoTray::Context{
            *korvo, connections.get(), QString::fromStdString(options.midiSystem),
            commandLine.songPath.empty()
                ? QStringLiteral("demo song")
                : QFileInfo(QString::fromStdString(commandLine.songPath)).fileName(),
            commandLine.options.recordTo.empty()
                ? QString::fromStdString(host::TakesFolder())
                : QFileInfo(QString::fromStdString(commandLine.options.recordTo)).absolutePath(),
            [&korvo, &midi, flood](const QString& path) {
                return flood ? QStringLiteral("korvo plays a flood of events, not songs")
                             : replaceSong(*korvo, midi.system, path);
            },
            [&idleExit] {
                idleExit.TakenOverByUser();
            }});
    }
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
