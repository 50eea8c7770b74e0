#include "host/KorvoCommandLine.h"

#include <QCommandLineParser>

#include <limits>

namespace velmar::host {

namespace {

// A whole number in [low, high], or nothing.
std::optional<long long> number(const QString& text, long long low, long long high)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<FloodOptions> parseFlood(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 2)
        return std::nullopt;
    const auto rate = number(parts[0], 1, 100'000'000);
    const auto seconds =
        parts.size() == 2 ? number(parts[1], 1, 86'400) : std::optional<long long>(0);
    if (!rate || !seconds)
        return std::nullopt;
    return FloodOptions{static_cast<std::uint32_t>(*rate), static_cast<std::uint32_t>(*seconds)};
}

// "N=VALUE" with N a whole number in [low, high].
std::optional<std::pair<long long, QString>> assignment(const QString& text, long long low,
                                                        long long high)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    const auto key = equals > 0 ? number(text.left(equals), low, high) : std::nullopt;
    if (!key || equals + 1 >= text.size())
        return std::nullopt;
    return std::make_pair(*key, text.mid(equals + 1));
}

KorvoCommandLine failure(const QString& text)
{
    KorvoCommandLine result;
    result.message = QStringLiteral("korvo: ") + text +
                     QStringLiteral("\nTry 'korvo --help' for more information.\n");
    result.exitCode = 2;
    result.exitNow = true;
    return result;
}

} // namespace

KorvoCommandLine ParseKorvoCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A stand-in host for the MIDI monitor and the drum display: it plays a demo song into\n"
        "the shared event ring and answers the plug-ins' transport requests."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption loop(QStringLiteral("loop"),
                                  QStringLiteral("Play the song again from the start at its end."));
    const QCommandLineOption windowMode(
        QStringLiteral("window-mode"),
        QStringLiteral("Answer to the monitor's window mode question (2: no border icons)."),
        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption drumDelay(
        QStringLiteral("drum-delay"),
        QStringLiteral("Milliseconds the drum display holds each event back before showing it."),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Output port (1-16) of the demo's drum track."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption autoplay(QStringLiteral("autoplay"),
                                      QStringLiteral("Start playing when a plug-in signs in."));
    const QCommandLineOption flood(
        QStringLiteral("flood"),
        QStringLiteral("Instead of the song, write RATE numbered events per second while the "
                       "transport plays, for SECONDS if given."),
        QStringLiteral("RATE[:SECONDS]"));
    const QCommandLineOption quiet(QStringLiteral("quiet"),
                                   QStringLiteral("Print nothing but errors."));
    const QCommandLineOption song(QStringLiteral("song"),
                                  QStringLiteral("Play this Type 0 or Type 1 MIDI file instead of "
                                                 "the demo song."),
                                  QStringLiteral("FILE.mid"));
    const QCommandLineOption trackPort(
        QStringLiteral("track-port"),
        QStringLiteral("Play track T of the song on output port N (1-16); may be repeated."),
        QStringLiteral("T=N"));
    const QCommandLineOption recordTo(
        QStringLiteral("record-to"),
        QStringLiteral("Write each recorded take to this file, whose folder must exist (default: "
                       "a timestamped file in the folder korvo of your music directory)."),
        QStringLiteral("FILE.mid"));
    const QCommandLineOption midiIn(
        QStringLiteral("midi-in"),
        QStringLiteral("Connect only the MIDI sources whose name holds NAME (default: every "
                       "device, also those plugged in later); may be repeated. 'none' connects "
                       "nothing: other programs connect to korvo's input themselves."),
        QStringLiteral("NAME|none"));
    const QCommandLineOption midiOut(
        QStringLiteral("midi-out"),
        QStringLiteral("Connect output port N (1-16) to the MIDI destination whose name holds "
                       "NAME, also when it appears later (default: port 1 sounds through the "
                       "embedded synthesizer); may be repeated."),
        QStringLiteral("N=NAME"));
    const QCommandLineOption midiApi(QStringLiteral("midi-api"),
                                     QStringLiteral("The MIDI system: alsa or jack (default: "
                                                    "ALSA, else JACK)."),
                                     QStringLiteral("alsa|jack"));
    const QCommandLineOption listPorts(QStringLiteral("list-ports"),
                                       QStringLiteral("List the MIDI sources and destinations "
                                                      "and exit."));
    const QCommandLineOption noSynth(
        QStringLiteral("no-synth"),
        QStringLiteral("Do not sound port 1 through the embedded General MIDI synthesizer."));
    const QCommandLineOption noTray(QStringLiteral("no-tray"),
                                    QStringLiteral("Show no icon in the desktop's system tray."));
    parser.addOptions({help, version, loop, windowMode, drumDelay, port, autoplay, flood, quiet,
                       song, trackPort, recordTo, midiIn, midiOut, midiApi, listPorts, noSynth,
                       noTray});

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return failure(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments()[0]));

    KorvoCommandLine result;
    if (parser.isSet(help) || parser.isSet(version)) {
        result.message =
            parser.isSet(help) ? parser.helpText() : QStringLiteral("korvo " VELMAR_VERSION "\n");
        result.exitNow = true;
        return result;
    }

    constexpr long long kLargest = std::numeric_limits<std::int32_t>::max();
    const auto mode = number(parser.value(windowMode), 0, kLargest);
    if (!mode)
        return failure(QStringLiteral("--window-mode takes a whole number"));
    const auto delay = number(parser.value(drumDelay), 0, 60'000);
    if (!delay)
        return failure(QStringLiteral("--drum-delay takes milliseconds from 0 to 60000"));
    const auto drumPort = number(parser.value(port), 1, 16);
    if (!drumPort)
        return failure(QStringLiteral("--port takes a port number from 1 to 16"));
    if (parser.isSet(flood)) {
        result.options.flood = parseFlood(parser.value(flood));
        if (!result.options.flood)
            return failure(QStringLiteral("--flood takes RATE or RATE:SECONDS, both above 0"));
    }
    for (const QString& value : parser.values(trackPort)) {
        const auto chosen = assignment(value, 1, 65535);
        const auto target = chosen ? number(chosen->second, 1, 16) : std::nullopt;
        if (!target)
            return failure(QStringLiteral("--track-port takes T=N, a track from 1 and a port "
                                          "from 1 to 16"));
        result.trackPorts[static_cast<int>(chosen->first)] = static_cast<std::uint16_t>(*target);
    }
    for (const QString& value : parser.values(midiOut)) {
        const auto chosen = assignment(value, 1, 16);
        if (!chosen)
            return failure(QStringLiteral("--midi-out takes N=NAME, with N from 1 to 16"));
        result.midi.connections.outputs[static_cast<std::uint16_t>(chosen->first)] =
            chosen->second.toStdString();
    }
    for (const QString& value : parser.values(midiIn)) {
        if (value.isEmpty())
            return failure(QStringLiteral("--midi-in takes a name or 'none'"));
        if (value == QStringLiteral("none"))
            result.midi.connections.noInputs = true;
        else
            result.midi.connections.inputs.push_back(value.toStdString());
    }
    if (result.midi.connections.noInputs && !result.midi.connections.inputs.empty())
        return failure(QStringLiteral("--midi-in none cannot go with a name"));
    if (parser.isSet(midiApi)) {
        const QString api = parser.value(midiApi).toLower();
        if (api != QStringLiteral("alsa") && api != QStringLiteral("jack"))
            return failure(QStringLiteral("--midi-api takes alsa or jack"));
        result.midi.api = api.toStdString();
    }
    if (!result.trackPorts.empty() && !parser.isSet(song))
        return failure(QStringLiteral("--track-port needs a song (--song): the demo has no "
                                      "tracks to choose"));
    result.songPath = parser.value(song).toStdString();
    result.listPorts = parser.isSet(listPorts);
    result.synth = !parser.isSet(noSynth);
    result.tray = !parser.isSet(noTray);
    result.options.writeTakes = true;
    result.options.recordTo = parser.value(recordTo).toStdString();
    result.options.loop = parser.isSet(loop);
    result.options.windowMode = *mode;
    result.options.drumDelayMs = *delay;
    result.options.drumPort = static_cast<std::uint16_t>(*drumPort);
    result.options.autoplay = parser.isSet(autoplay);
    result.quiet = parser.isSet(quiet);
    return result;
}

} // namespace velmar::host
