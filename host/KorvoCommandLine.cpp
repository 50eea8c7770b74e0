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
    parser.addOptions({help, version, loop, windowMode, drumDelay, port, autoplay, flood, quiet});

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
    result.options.loop = parser.isSet(loop);
    result.options.windowMode = *mode;
    result.options.drumDelayMs = *delay;
    result.options.drumPort = static_cast<std::uint16_t>(*drumPort);
    result.options.autoplay = parser.isSet(autoplay);
    result.quiet = parser.isSet(quiet);
    return result;
}

} // namespace velmar::host
